// The message windows as a player reads them: every label shows all of its text, however long
// the alert, and the windows come back the same size when reused.
#include <functional>

#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include "window_checks.h"
#include "ui/about_window.h"
#include "ui/alert_window.h"
#include "ui/commissions_window.h"
#include "ui/confirmation_window.h"
#include "ui/tax_window.h"

namespace {
// Runs `open` (which shows a modal window) and, once the window is up, checks it and presses
// the button captioned `answer`.
void Answer(QDialog* window, const QString& answer, const std::function<void()>& open,
            const std::function<void()>& check) {
    QTimer::singleShot(0, window, [=] {
        const Closed_At_Exit closed{window};
        QVERIFY(QTest::qWaitForWindowExposed(window));
        check();
        if (QAbstractButton* b = Button(window, answer)) b->click();
    });
    open();
}

}  // namespace

class Message_Windows_Test : public QObject {
    Q_OBJECT

    Game game;

private slots:
    void alertsShowEveryLineOfALongList() {
        Alert_Window alert(game);
        std::vector<std::string> lines;
        for (int i = 0; i < 12; ++i) lines.push_back("Call  MSFT,   Strike: " + std::to_string(100 + 10 * i) + ",   Quantity: 5000");
        QStringList shown;
        Answer(&alert, "OK", [&] { alert.Run("Option Expiration Warning!", "ALERT! The following option(s) are due to expire next turn.", lines); },
               [&] {
                   QCOMPARE(alert.windowTitle(), QString("Option Expiration Warning!"));
                   Nothing_Clipped(&alert);
                   for (QListWidget* list : alert.findChildren<QListWidget*>())
                       for (int r = 0; r < list->count(); ++r) shown << list->item(r)->text();
                   for (QLabel* label : alert.findChildren<QLabel*>()) shown << label->text().split('\n');
               });
        for (const std::string& line : lines) QVERIFY2(shown.contains(QString::fromStdString(line)), line.c_str());
    }

    void confirmationTaxAndStatementShowAllTheirText() {
        Confirmation_Window confirm(game);
        bool answer = true;
        Answer(&confirm, "&Cancel", [&] { answer = confirm.Run("Clear High Scores..."); }, [&] { Nothing_Clipped(&confirm); });
        QVERIFY(!answer);

        Tax_Window tax(game);
        Answer(&tax, "Oh My &God!", [&] { tax.Run("$1,234,567,890,123", "$98,765,432,109"); },
               [&] { Nothing_Clipped(&tax); });

        Commissions_Window statement(game);
        Answer(&statement, "&Ouch!", [&] { statement.Run(); }, [&] { Nothing_Clipped(&statement); });
    }

    void escapePressesTheWindowsOwnButton() {
        Alert_Window alert(game);
        Confirmation_Window confirm(game);
        Tax_Window tax(game);
        Commissions_Window statement(game);
        About_Window about(game);
        bool answer = true;
        const std::vector<std::pair<QDialog*, std::function<void()>>> windows = {
            {&alert, [&] { alert.Run("News Alert", "ALERT!", {"one line"}); }},
            {&confirm, [&] { answer = confirm.Run("Exit Program..."); }},
            {&tax, [&] { tax.Run("0", "0"); }},
            {&statement, [&] { statement.Run(); }},
            {&about, [&] { about.Run(); }},
        };
        for (const auto& [window, open] : windows) {
            bool closed_by_escape = false;
            QTimer::singleShot(0, window, [&, window = window] {
                const Closed_At_Exit closed{window};
                QVERIFY(QTest::qWaitForWindowExposed(window));
                QTest::keyClick(window, Qt::Key_Escape);
                closed_by_escape = !window->isVisible();
            });
            open();
            QVERIFY2(closed_by_escape, qPrintable(window->windowTitle()));
        }
        QVERIFY(!answer);  // the confirmation's Escape is its Cancel
    }
};

QTEST_MAIN(Message_Windows_Test)
#include "message_windows_test.moc"
