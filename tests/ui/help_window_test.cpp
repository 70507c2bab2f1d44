// The Help window's list and buttons, and the viewer it leads to.

#include "test_support.h"
#include "desktop/messages/help_viewer_window.h"
#include "desktop/messages/help_window.h"
#include "desktop/parts/language.h"
#include "window_checks.h"

class Help_Window_Test : public QObject {
    Q_OBJECT

    Game game;
    Recording_Screens screens;
    Random session_rnd{1};
    Game_Session session{game, session_rnd, screens};

    // Runs the window with the owner's list; once it is on screen, `act` plays the player and
    // gets the names the list showed.
    void Run_With(Help_Window& window, Help_Owner owner, const std::function<void(QStringList)>& act) {
        QTimer::singleShot(0, &window, [&window, act] {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QStringList names;
            for (int row = 0; row < Child<QListWidget>(&window, "topics")->count(); ++row) names << Child<QListWidget>(&window, "topics")->item(row)->text();
            act(names);
        });
        QTimer::singleShot(1000, &window, &QWidget::hide);  // a failed step must not hang the run
        window.Run(owner);
        QVERIFY(window.isHidden());
        QCOMPARE(Child<QListWidget>(&window, "topics")->count(), 0);
    }

    static QListWidgetItem* Find(QListWidget* list, const QString& name) {
        return list->findItems(name, Qt::MatchExactly).value(0);
    }

private slots:
    void init() { screens.log.clear(); }

    void displayAndDoubleClickOpenTheChosenTopicCancelNothing() {
        Help_Window window(session);
        Run_With(window, Help_Owner::Buy, [&](QStringList names) {
            QCOMPARE(names, QStringList({"Table of Contents", "Buying Stocks"}));
            Find(Child<QListWidget>(&window, "topics"), "Table of Contents")->setSelected(true);
            Child<QPushButton>(&window, "display")->click();
        });
        Run_With(window, Help_Owner::Chart, [&](QStringList) {
            QListWidget* list = Child<QListWidget>(&window, "topics");
            const QPoint at = list->visualItemRect(Find(list, "Using Momentum")).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        });
        // Cancel, and Display with nothing chosen, show nothing.
        Run_With(window, Help_Owner::Buy, [&](QStringList) { Child<QPushButton>(&window, "cancel")->click(); });
        Run_With(window, Help_Owner::Sell, [&](QStringList) { Child<QPushButton>(&window, "display")->click(); });
        QCOMPARE(screens.log, (std::vector<std::string>{"help 1", "help 115"}));
    }

    void titleBarCloseIsRefusedUntilTheProgramEndsEscapeCancels() {
        Game_Session ending{game, session_rnd, screens};
        Help_Window window(ending);
        window.show();
        Close_Box_Refused(&window);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isHidden());
        QVERIFY(screens.log.empty());
        window.show();
        ending.Begin_Ending();
        window.close();
        QVERIFY(window.isHidden());
    }

    void viewerOpensAtTheSectionAndGoesBackAndForward() {
        Help_Viewer_Window viewer;
        auto shown = [&] { return Help_Viewer_Window::Context_Of(viewer.Browser()->source()); };
        viewer.Show_Topic(115);
        QCOMPARE(shown(), 115);
        QVERIFY(viewer.Browser()->toPlainText().contains("Vuzedad Erover"));
        QCOMPARE(viewer.Contents()->currentItem()->text(), QString("Using Momentum"));
        viewer.Show_Topic(503);
        viewer.Browser()->backward();
        QCOMPARE(shown(), 115);
        viewer.Browser()->forward();
        QCOMPARE(shown(), 503);
        viewer.Show_Topic(999);
        QCOMPARE(shown(), 1);
    }

    void viewerIsModalOnlyAboveAModalWindow() {
        Help_Viewer_Window viewer;
        QDialog trade_window;
        Qt::WindowModality above_dialog = Qt::NonModal;
        QTimer::singleShot(0, &trade_window, [&] {
            const Closed_At_Exit closed{&trade_window};
            viewer.Show_Topic(101);
            above_dialog = viewer.windowModality();
            viewer.close();
            trade_window.accept();
        });
        trade_window.exec();
        QCOMPARE(above_dialog, Qt::ApplicationModal);
        viewer.Show_Topic(100);
        QCOMPARE(viewer.windowModality(), Qt::NonModal);
    }

    // Last, as the German stays installed: the topics' names are translated, the document is
    // not, and both windows say so; in English neither does. A chosen topic still opens.
    void inGermanBothWindowsSayTheHelpIsEnglishAndTheListStillOpensItsTopic() {
        {
            Help_Window window(session);
            Help_Viewer_Window viewer;
            QVERIFY(Help_Viewer_Window::English_Only_Note().isEmpty());
            QVERIFY(!window.findChild<QLabel*>("english_only"));
            QVERIFY(!viewer.findChild<QLabel*>("english_only"));
        }
        QCOMPARE(Use_Language("de"), QString("de"));
        const QString note = Help_Viewer_Window::English_Only_Note();
        QCOMPARE(note, QString("Die Hilfe gibt es nur auf Englisch."));
        Help_Window window(session);
        Help_Viewer_Window viewer;
        QCOMPARE(Child<QLabel>(&window, "english_only")->text(), note);
        QCOMPARE(Child<QLabel>(&viewer, "english_only")->text(), note);
        Run_With(window, Help_Owner::Buy, [&](QStringList names) {
            QCOMPARE(names.size(), 2);
            QListWidget* list = Child<QListWidget>(&window, "topics");
            list->item(1)->setSelected(true);
            Child<QPushButton>(&window, "display")->click();
        });
        QCOMPARE(screens.log, (std::vector<std::string>{"help 101"}));
    }
};

QTEST_MAIN(Help_Window_Test)
#include "help_window_test.moc"
