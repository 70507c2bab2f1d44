// The message windows as a player reads them: every label shows all of its text, however long
// the alert or the amounts, and Escape presses each window's own button.

#include "test_support.h"
#include "window_checks.h"
#include "desktop/messages/about_window.h"
#include "desktop/messages/alert_window.h"
#include "desktop/messages/commissions_window.h"
#include "desktop/messages/confirmation_window.h"
#include "desktop/messages/tax_window.h"

class Message_Windows_Test : public QObject {
    Q_OBJECT

    Game game;
    Random rnd{1};
    Recording_Screens screens;
    Game_Session session{game, rnd, screens};

private slots:
    void everyMessageShowsAllItsTextAndEscapeAnswersIt() {
        Alert_Window alert(session);
        Confirmation_Window confirm(session);
        Tax_Window tax(session);
        Commissions_Window statement(session);
        About_Window about(session);
        std::vector<std::string> lines;
        for (int i = 0; i < 12; ++i) lines.push_back("Call  MSFT,   Strike: " + std::to_string(100 + 10 * i) + ",   Quantity: 5000");
        bool answer = true;
        const std::vector<std::pair<QDialog*, std::function<void()>>> windows = {
            {&alert, [&] { alert.Run("Option Expiration Warning!", "ALERT! The following option(s) are due to expire next turn.", lines); }},
            {&confirm, [&] { answer = confirm.Run("Clear High Scores..."); }},
            {&tax, [&] { tax.Run("$1,234,567,890,123", "$98,765,432,109"); }},
            {&statement, [&] { statement.Run(); }},
            {&about, [&] { about.Run(); }},
        };
        QStringList shown;
        for (const auto& [window, open] : windows) {
            bool closed_by_escape = false;
            QTimer::singleShot(0, window, [&, window = window] {
                const Closed_At_Exit closed{window};
                QVERIFY(QTest::qWaitForWindowExposed(window));
                Nothing_Clipped(window);
                for (QListWidget* list : window->findChildren<QListWidget*>())
                    for (int r = 0; r < list->count(); ++r) shown << list->item(r)->text();
                for (QLabel* label : window->findChildren<QLabel*>()) shown << label->text().split('\n');
                QTest::keyClick(window, Qt::Key_Escape);
                closed_by_escape = !window->isVisible();
            });
            open();
            QVERIFY2(closed_by_escape, qPrintable(window->windowTitle()));
        }
        for (const std::string& line : lines) QVERIFY2(shown.contains(QString::fromStdString(line)), line.c_str());
        QVERIFY(!answer);  // the confirmation's Escape is its Cancel
    }
};

QTEST_MAIN(Message_Windows_Test)
#include "message_windows_test.moc"
