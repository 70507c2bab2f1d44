#pragma once
// The key rules of the quantity boxes: a trade quantity is typed, never pasted in or
// keyed with symbols; a refused key beeps and flashes the box. The keys that move between
// controls or answer the window (Tab, Enter, Escape) pass. A box selects its whole text when
// it gets the focus, so a digit typed then replaces what it showed.
#include <QObject>
#include <functional>

class List_Keys;
class QKeyEvent;
class QLineEdit;
class Screens;

// A box (a line edit or a spin box) that selects its whole text when a click or Tab gives it
// the focus.
void Select_All_On_Focus(QWidget* box);

class Number_Keys : public QObject {
    Q_OBJECT
public:
    // Watches the box. on_key_up runs after every key released in it; leave it empty for
    // a box whose window recomputes nothing then.
    Number_Keys(QLineEdit* box, Screens& screens, std::function<void()> on_key_up = {});
    // The window's stock list, locked from a key's press in the box to its release.
    void Lock_While_Held(List_Keys* list) { this->list = list; }

    // Digits (main keyboard and keypad), the main full stop, backspace, delete, left
    // arrow and space.
    static bool Accepted_Key(const QKeyEvent& event);
    // Tab, Shift+Tab, Enter (of both keyboards), Escape and a modifier key alone pass
    // without a beep, to the window.
    static bool Passed_Key(const QKeyEvent& event);
    // Every character of a pasted text must be one a key could have typed.
    static bool Accepted_Text(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box;
    Screens& screens;
    std::function<void()> on_key_up;
    List_Keys* list = nullptr;
};
