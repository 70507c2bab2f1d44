#include "desktop/parts/theme.h"

#include <optional>

#include <QApplication>
#include <QStyle>

namespace {
// While the game's own palette is in force, what following the desktop again brings back: an
// empty palette, which lets the desktop's come through and follow it, or the one set before.
std::optional<QPalette> desktop;
}  // namespace

QPalette Light_Theme_Palette() { return QApplication::style()->standardPalette(); }

QPalette Dark_Theme_Palette() {
    const QColor window(53, 53, 53), text(238, 238, 238), base(36, 36, 36), disabled(127, 127, 127);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(60, 60, 60));
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 120, 120));
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Dark, QColor(30, 30, 30));
    p.setColor(QPalette::Shadow, QColor(15, 15, 15));
    p.setColor(QPalette::Link, QColor(120, 170, 255));
    p.setColor(QPalette::LinkVisited, QColor(190, 150, 255));
    p.setColor(QPalette::Highlight, QColor(42, 100, 170));
    p.setColor(QPalette::HighlightedText, text);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

void Use_Theme(Theme_Choice choice) {
    if (choice == Theme_Choice::Desktop) {
        if (desktop) QApplication::setPalette(*desktop);
        desktop.reset();
        return;
    }
    if (!desktop)
        desktop = QCoreApplication::testAttribute(Qt::AA_SetPalette) ? QApplication::palette() : QPalette();
    QApplication::setPalette(choice == Theme_Choice::Light ? Light_Theme_Palette() : Dark_Theme_Palette());
}
