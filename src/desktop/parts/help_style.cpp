#include "desktop/parts/help_style.h"

#include "desktop/parts/colours.h"

QString Help_Style_Sheet(const QPalette& palette) {
    const bool dark = Is_Dark(palette);
    const QColor base = palette.color(QPalette::Base);
    auto heading = [&](const QColor& exact) { return Game_Colour(exact, palette, QPalette::Base).name(); };
    // Shaded boxes: the light design's tints, or as much of their hue as keeps dark text readable.
    auto shade = [&](const QColor& light, const QColor& hue) {
        return (dark ? Blend(base, hue, 0.18) : light).name();
    };
    return QString("h1 { color: %1; }\nh2 { color: %1; margin-top: 24px; }\nh3 { color: %2; }\n"
                   "td, th { padding: 2px 8px; }\nth { background-color: %3; }\n"
                   ".example { background-color: %4; }\n.tip { background-color: %5; }\n")
        .arg(heading(QColor(0x1b, 0x5e, 0x20)), heading(QColor(0x33, 0x69, 0x1e)),
             shade(QColor(0xe8, 0xf5, 0xe9), QColor(0x4c, 0xaf, 0x50)),
             shade(QColor(0xff, 0xfd, 0xe7), QColor(0xff, 0xeb, 0x3b)),
             shade(QColor(0xe3, 0xf2, 0xfd), QColor(0x21, 0x96, 0xf3)));
}
