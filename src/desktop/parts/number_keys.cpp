#include "desktop/parts/number_keys.h"

#include "desktop/parts/list_keys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

#include "engine/model/screens.h"
#include "desktop/parts/refusal.h"

namespace {
// Guards every other way text gets in (a paste by menu or by keys): the whole change is
// refused with a beep when one character could not have been typed.
class Typed_Text_Validator : public QValidator {
public:
    Typed_Text_Validator(Screens& screens, QLineEdit* box) : QValidator(box), screens(screens), box(box) {}
    State validate(QString& input, int&) const override {
        if (Number_Keys::Accepted_Text(input)) return Acceptable;
        Refuse(screens, box);
        return Invalid;
    }

private:
    Screens& screens;
    QLineEdit* box;
};

// Selects the box's text once the focus has come by a click or Tab. After the event: the
// click that gave the focus goes on to place the cursor, which would undo the selection.
class Focus_Select : public QObject {
public:
    explicit Focus_Select(QWidget* box) : QObject(box), box(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box && event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                QTimer::singleShot(0, box, [box = box] { QMetaObject::invokeMethod(box, "selectAll"); });
        }
        return false;
    }

private:
    QWidget* box;
};
}  // namespace

void Select_All_On_Focus(QWidget* box) { new Focus_Select(box); }

Number_Keys::Number_Keys(QLineEdit* box, Screens& screens, std::function<void()> on_key_up)
    : QObject(box), box(box), screens(screens), on_key_up(std::move(on_key_up)) {
    box->installEventFilter(this);
    box->setValidator(new Typed_Text_Validator(screens, box));
    Select_All_On_Focus(box);
}

bool Number_Keys::Accepted_Key(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return true;
    if (key == Qt::Key_Period) return !(event.modifiers() & Qt::KeypadModifier);
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Space;
}

bool Number_Keys::Passed_Key(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return false;
    }
}

bool Number_Keys::Accepted_Text(const QString& text) {
    for (QChar c : text)
        if (!(c.isDigit() && c.unicode() < 128) && c != '.' && c != ' ') return false;
    return true;
}

bool Number_Keys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (Passed_Key(*key) || key->matches(QKeySequence::Paste)) return false;
        if (list) list->Set_Locked(true);
        if (!Accepted_Key(*key)) {
            box->setReadOnly(true);
            Refuse(screens, box);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat() || Passed_Key(*key)) return false;
        box->setReadOnly(false);
        if (list) list->Set_Locked(false);
        if (on_key_up) on_key_up();
    }
    return QObject::eventFilter(watched, event);
}
