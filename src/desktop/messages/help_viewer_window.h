#pragma once
// The game's help document on screen: a contents list beside the text, with back and forward.
// It opens at the section of a help context number and is hidden, not destroyed, on close.
#include <QUrl>
#include <QWidget>

class QAction;
class QListWidget;
class QTextBrowser;

class Help_Viewer_Window : public QWidget {
    Q_OBJECT
public:
    explicit Help_Viewer_Window(QWidget* parent = nullptr);

    // Show the viewer at the section of the context; an unknown number shows the contents.
    void Show_Topic(int context);

    // The line that tells the document is English, in the language in use; empty in English.
    static QString English_Only_Note();

    // Where the document of the help lives and the address of one of its sections.
    static QUrl Document_Url();
    static QUrl Topic_Url(int context);
    // The context number of an address inside the document, or -1.
    static int Context_Of(const QUrl& url);

    QTextBrowser* Browser() const { return browser; }
    QListWidget* Contents() const { return contents; }

private:
    void Mark_Contents(const QUrl& url);
    void Open_Centred();

    QTextBrowser* browser;
    QListWidget* contents;
    QAction* back;
    QAction* forward;
    bool placed = false;  // opened before: it keeps the size the player gave it
    bool waited = false;  // once for the main window to come on screen
};
