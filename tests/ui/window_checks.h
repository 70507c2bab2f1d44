#pragma once
// What the window tests share: what a player would see as broken in any window, and the
// answering of modal windows, which never lets a test hang.
#include <deque>
#include <functional>
#include <string>

#include <QtCharts>
#include <QtTest>
#include <QtWidgets>

#include "window_gallery.h"

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

// Every window of the gallery on screen in turn, each given to `check`; all must come up.
inline void Every_Gallery_Window(const std::function<void(const QString&, QWidget*)>& check) {
    QTemporaryDir data;
    QStringList seen;
    QVERIFY(Show_Every_Window(data.path(), [&](const QString& name, QWidget* window) {
        seen << name;
        check(name, window);
    }));
    QCOMPARE(seen, Gallery_Names());
}

// A window that waits for an answer stays on its close box.
inline void Close_Box_Refused(QWidget* w) { w->close(); QVERIFY2(w->isVisible(), qPrintable("closed: " + w->windowTitle())); }

inline void Move_Over(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

inline QAbstractButton* Button(QWidget* window, const QString& text) {
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->text() == text && b->isVisible()) return b;
    return nullptr;
}

// `later` for a button that opens a modal window of its own: clicked once the answer has returned.
inline std::function<void(QWidget*)> Click(const QString& text, bool later = false) {
    return [text, later](QWidget* w) {
        QAbstractButton* b = Button(w, text);
        QVERIFY2(b, qPrintable("no button " + text + " in " + w->windowTitle()));
        if (later) QTimer::singleShot(0, b, &QAbstractButton::click);
        else b->click();
    };
}

// Answers the modal windows that open, one handler per window in the order they appear;
// `otherwise`, when given, answers any window no handler waits for and says whether it did.
// A modal window left unanswered for a second fails the test and is closed, so the test goes
// on instead of hanging.
class Modal_Answers : public QObject {
public:
    explicit Modal_Answers(std::function<bool(QWidget*)> otherwise = {}) : otherwise_(std::move(otherwise)) {
        poll_.setInterval(1);
        connect(&poll_, &QTimer::timeout, this, [this] { Check(); });
        poll_.start();
    }
    void Then(std::function<void(QWidget*)> handler) { handlers_.push_back(std::move(handler)); }
    bool Done() const { return handlers_.empty(); }

private:
    void Check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            answered_ = waiting_for_ = nullptr;
            return;
        }
        if (modal != answered_) {
            if (!handlers_.empty()) {
                auto handler = std::move(handlers_.front());
                handlers_.pop_front();
                Answer(modal, handler);
                return;
            }
            if (otherwise_ && otherwise_(modal)) return;
        }
        if (modal != waiting_for_) {
            waiting_for_ = modal;
            waiting_.start();
        } else if (waiting_.elapsed() > 1000) {
            QTest::qFail(qPrintable("no answer for the window " + modal->windowTitle()), __FILE__, __LINE__);
            modal->hide();
        }
    }
    void Answer(QWidget* modal, const std::function<void(QWidget*)>& handler) {
        answered_ = modal;
        handler(modal);
        if (!modal->isVisible()) answered_ = nullptr;
    }

    std::function<bool(QWidget*)> otherwise_;
    std::deque<std::function<void(QWidget*)>> handlers_;
    QTimer poll_;
    QWidget* answered_ = nullptr;
    QWidget* waiting_for_ = nullptr;
    QElapsedTimer waiting_;
};

// Closes `window` on every way out of a block, a failed check's early return too.
struct Closed_At_Exit {
    QWidget* window;
    ~Closed_At_Exit() {
        if (window->isVisible()) window->hide();
    }
};

// Runs the player's actions once the modal window is up, checks that nothing is cut off in
// what they left on screen, then closes the window as its own exit would.
inline void While_Open(QDialog* window, std::function<void()> actions) {
    QTimer::singleShot(0, window, [window, actions] {
        const Closed_At_Exit closed{window};
        QVERIFY(window->isVisible());
        actions();
        if (window->isVisible()) Nothing_Clipped(window);
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
    explicit Trade_Controls(QWidget* w) : window(w) {}
    QWidget* window;
    QComboBox* Symbol = Child<QComboBox>(window, "symbol");
    QLineEdit* Quantity = Child<QLineEdit>(window, "quantity");
    QPushButton* Trade = Child<QPushButton>(window, "trade");
    QLabel* You_Have = window->findChild<QLabel*>("you_have");
    QLabel* Most = window->findChild<QLabel*>("most");
    QLabel* Cash_After = window->findChild<QLabel*>("cash_after");
};
