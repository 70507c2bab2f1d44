#include "desktop/parts/refusal.h"

#include <QPalette>
#include <QTimer>
#include <QWidget>

#include "engine/model/screens.h"
#include "desktop/parts/colours.h"

void Refuse(Screens& screens, QWidget* field) {
    screens.Beep();
    if (field) Flash(field);
}

void Flash(QWidget* field) {
    // A second refusal during a flash only makes it last: the palette to come back to is the
    // one from before the first.
    if (!field->property("flashing").toBool()) {
        field->setProperty("flashing", true);
        field->setProperty("palette_before_flash", QVariant::fromValue(field->palette()));
        QPalette flash = field->palette();
        const QColor ground = Refusal_Colour(flash);
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
            flash.setColor(role, ground);
        field->setPalette(flash);
    }
    auto* timer = field->findChild<QTimer*>("refusal-flash", Qt::FindDirectChildrenOnly);
    if (!timer) {
        timer = new QTimer(field);
        timer->setObjectName("refusal-flash");
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, field, [field] {
            field->setPalette(field->property("palette_before_flash").value<QPalette>());
            field->setProperty("flashing", false);
        });
    }
    timer->start(Flash_Milliseconds);
}
