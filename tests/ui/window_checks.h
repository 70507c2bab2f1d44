#pragma once
// What a player would see as broken in any window.
#include <functional>
#include <string>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// No text is cut off: each label has at least the height its text needs at its width, and
// lies inside the window.
inline void Nothing_Clipped(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(label->height() >= needed, qPrintable("clipped: " + label->text()));
        const QRect inside = QRect(label->mapTo(window, QPoint(0, 0)), label->size());
        QVERIFY2(window->rect().contains(inside), qPrintable("outside the window: " + label->text()));
    }
}

// Runs the player's actions once the modal window is up, checks that nothing is cut off in
// what they left on screen, then closes the window as its own exit would.
inline void While_Open(QDialog* window, std::function<void()> actions) {
    QTimer::singleShot(0, window, [window, actions] {
        QVERIFY(window->isVisible());
        actions();
        if (window->isVisible()) Nothing_Clipped(window);
        if (window->isVisible()) window->hide();
    });
}

// A window's control found by its object name; a missing one ends the test program.
template <typename T>
T* Child(const QObject* window, const char* name) {
    T* child = window->findChild<T*>(name);
    if (!child) qFatal("no control named %s", name);
    return child;
}

// A label of the quotes board: kind "symbol", "price" or "change", and the stock's entry (the
// index's price is entry 42).
inline QLabel* Board_Label(const QObject* window, const char* kind, int entry) {
    return Child<QLabel>(window, (std::string(kind) + "_" + std::to_string(entry)).c_str());
}

// The controls a player uses in a trade window. The labels a window lacks are null.
struct Trade_Controls {
    explicit Trade_Controls(QWidget* window)
        : Symbol(Child<QComboBox>(window, "symbol")),
          Quantity(Child<QLineEdit>(window, "quantity")),
          Trade(Child<QPushButton>(window, "trade")),
          You_Have(window->findChild<QLabel*>("you_have")),
          Most(window->findChild<QLabel*>("most")),
          Cash_After(window->findChild<QLabel*>("cash_after")) {}
    QComboBox* Symbol;
    QLineEdit* Quantity;
    QPushButton* Trade;
    QLabel* You_Have;
    QLabel* Most;
    QLabel* Cash_After;
};
