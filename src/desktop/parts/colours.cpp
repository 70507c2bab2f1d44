#include "desktop/parts/colours.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QApplication>
#include <QEvent>
#include <QRandomGenerator>
#include <QTableWidgetItem>
#include <QWidget>

#include "engine/scoring/new_game_setup.h"

namespace {

// The game's own colours.
const QColor Loss_Red(255, 0, 0);
const QColor Gain_Blue(0, 0, 255);
const QColor Zero_Black(0, 0, 0);
const QColor Hover_Yellow(255, 255, 0);
const QColor Average_Blue(0, 0, 255);

// Aimed a little above the least readable contrast under a dark palette, and on a ground a shade
// off the palette's colour for it: styles paint the panes of tabs and frames lighter under a dark
// palette and group boxes a little darker under a light one.
constexpr double Aimed_Contrast = Readable_Contrast + 0.2;
QColor Pane_Ground(const QColor& ground, bool dark) { return dark ? ground.lighter(130) : ground.darker(103); }

double Channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double Luminance(const QColor& c) {
    return 0.2126 * Channel(c.redF()) + 0.7152 * Channel(c.greenF()) + 0.0722 * Channel(c.blueF());
}

QPalette::ColorRole Text_Role(QPalette::ColorRole background) {
    switch (background) {
        case QPalette::Base:
        case QPalette::AlternateBase: return QPalette::Text;
        case QPalette::Button: return QPalette::ButtonText;
        case QPalette::Highlight: return QPalette::HighlightedText;
        default: return QPalette::WindowText;
    }
}

}  // namespace

QColor Nearest_Readable(const QColor& wanted, const QColor& ground, double contrast) {
    if (Contrast_Ratio(wanted, ground) >= contrast) return wanted;
    float h, s, l;
    wanted.getHslF(&h, &s, &l);
    if (h < 0) h = s = 0;  // a grey has no hue to keep
    // In whole channels, as it will be painted, so that what is measured here is what is seen.
    auto shade = [&](double lightness) {
        const QColor c = QColor::fromHslF(h, s, std::clamp(lightness, 0.0, 1.0)).toRgb();
        return QColor(c.red(), c.green(), c.blue(), wanted.alpha());
    };
    auto readable = [&](double lightness) { return Contrast_Ratio(shade(lightness), ground) >= contrast; };
    // Luminance grows with lightness, so the readable shades on each side of `wanted` form one run
    // from its end (black or white); its edge is found by halving.
    auto edge = [&](double from, double end) -> std::optional<double> {
        if (!readable(end)) return std::nullopt;
        for (int step = 0; step < 24; ++step) {
            const double middle = (from + end) / 2;
            (readable(middle) ? end : from) = middle;
        }
        return end;
    };
    const std::optional<double> darker = edge(l, 0), lighter = edge(l, 1);
    if (darker && (!lighter || l - *darker <= *lighter - l)) return shade(*darker);
    if (lighter) return shade(*lighter);
    const QColor black(0, 0, 0), white(255, 255, 255);
    return Contrast_Ratio(black, ground) >= Contrast_Ratio(white, ground) ? black : white;
}

QColor Blend(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * share,
                            from.greenF() + (to.greenF() - from.greenF()) * share,
                            from.blueF() + (to.blueF() - from.blueF()) * share);
}

QColor Game_Colour(const QColor& exact, const QPalette& palette, QPalette::ColorRole background) {
    const bool dark = Is_Dark(palette);
    return Nearest_Readable(exact, Pane_Ground(palette.color(background), dark), dark ? Aimed_Contrast : Readable_Contrast);
}

namespace {

// Keeps one widget painted by its rule through every change of palette.
class Ink_Keeper : public QObject {
public:
    static constexpr const char* Name = "bullquest-ink";
    explicit Ink_Keeper(QWidget* widget) : QObject(widget), widget(widget) {
        setObjectName(Name);
        widget->installEventFilter(this);
    }
    Ink_Rule rule;
    std::function<void()> repaint;

    void Apply() {
        if (busy) return;
        busy = true;
        if (rule) Apply_Rule();
        if (repaint) repaint();
        busy = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget &&
            (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange))
            Apply();
        return false;
    }

private:
    void Apply_Rule() {
        const QWidget* parent = widget->parentWidget();
        const QPalette around = parent ? parent->palette() : QApplication::palette(widget);
        const Ink ink = rule(around);
        // Only the roles set here are the widget's own; every other role follows its parent.
        QPalette own;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            own.setColor(group, QPalette::WindowText, ink.text);
            own.setColor(group, QPalette::Text, ink.text);
            if (ink.background.isValid()) {
                own.setColor(group, QPalette::Window, ink.background);
                own.setColor(group, QPalette::Base, ink.background);
            }
        }
        widget->setAutoFillBackground(ink.background.isValid());
        widget->setPalette(own);
    }

    QWidget* widget;
    bool busy = false;
};

Ink_Keeper* Keeper(QWidget* widget) {
    auto* keeper = static_cast<Ink_Keeper*>(widget->findChild<QObject*>(Ink_Keeper::Name, Qt::FindDirectChildrenOnly));
    return keeper ? keeper : new Ink_Keeper(widget);
}

}  // namespace

bool Is_Dark(const QPalette& palette) { return palette.color(QPalette::Window).lightnessF() <= 0.5; }

double Contrast_Ratio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Gain_Colour(Colour colour, const QPalette& palette, QPalette::ColorRole background) {
    switch (colour) {
        case Colour::Red: return Game_Colour(Loss_Red, palette, background);
        case Colour::Blue: return Game_Colour(Gain_Blue, palette, background);
        case Colour::Black: break;
    }
    return Plain_Colour(palette, background);
}

QColor Plain_Colour(const QPalette& palette, QPalette::ColorRole background) {
    return Is_Dark(palette) ? palette.color(Text_Role(background)) : Zero_Black;
}

QColor Hover_Colour(const QPalette& palette) { return Game_Colour(Hover_Yellow, palette, QPalette::Window); }

QColor Difficulty_Colour(int options_on, const QPalette& palette) {
    return Game_Colour(QColor::fromRgb(static_cast<QRgb>(::Level_Colour(options_on))), palette, QPalette::Window);
}

QColor Random_Colour(QRandomGenerator& random, const QPalette& palette) {
    const QColor drawn(random.bounded(256), random.bounded(256), random.bounded(256));
    return Game_Colour(drawn, palette, QPalette::Window);
}

QColor Shadow_Colour(const QPalette& palette) {
    QColor shadow = palette.color(QPalette::Shadow);
    shadow.setAlpha(200);
    return shadow;
}

QColor Average_Line_Colour(const QPalette& palette, const QColor& chart_light, const QColor& chart_dark) {
    if (!Is_Dark(palette)) return Average_Blue;
    // Readable on the lighter end of the chart's background, so on all of it.
    const QColor background = Luminance(chart_light) >= Luminance(chart_dark) ? chart_light : chart_dark;
    return Nearest_Readable(Average_Blue, background, Aimed_Contrast);
}

QColor Refusal_Colour(const QPalette& palette, QPalette::ColorRole background) {
    const QColor ground = palette.color(background);
    const QColor text = palette.color(Text_Role(background));
    const QColor red = Gain_Colour(Colour::Red, palette, background);
    // As much red as the text on it allows.
    for (double share = 0.5; share > 0.05; share -= 0.05) {
        const QColor flash = Blend(ground, red, share);
        if (Contrast_Ratio(text, flash) >= Aimed_Contrast) return flash;
    }
    return Blend(ground, red, 0.05);
}

Ink_Rule Gain_Ink(Colour colour) {
    return [colour](const QPalette& around) { return Ink{Gain_Colour(colour, around), {}}; };
}

Ink_Rule Hover_Ink(bool hovered) {
    return [hovered](const QPalette& around) {
        return Ink{hovered ? Hover_Colour(around) : Plain_Colour(around), {}};
    };
}

Ink_Rule Difficulty_Ink(int options_on) {
    return [options_on](const QPalette& around) { return Ink{Difficulty_Colour(options_on, around), {}}; };
}

Ink_Rule Random_Ink() {
    return [](const QPalette& around) { return Ink{Random_Colour(*QRandomGenerator::global(), around), {}}; };
}

Ink_Rule Highlight_Ink(bool highlighted) {
    return [highlighted](const QPalette& around) {
        if (!highlighted) return Ink{Plain_Colour(around), {}};
        // Yellow letters on the board could not be read: the yellow is the ground.
        if (!Is_Dark(around)) return Ink{Zero_Black, Hover_Yellow};
        const QColor a = around.color(QPalette::Window), b = around.color(QPalette::WindowText);
        return Ink{Contrast_Ratio(a, Hover_Yellow) >= Contrast_Ratio(b, Hover_Yellow) ? a : b, Hover_Yellow};
    };
}

void Paint(QWidget* widget, Ink_Rule rule) {
    Ink_Keeper* keeper = Keeper(widget);
    keeper->rule = std::move(rule);
    keeper->Apply();
}

void On_Palette_Change(QWidget* widget, std::function<void()> repaint) {
    Keeper(widget)->repaint = std::move(repaint);
}

void Paint_Cell(QTableWidgetItem* item, Colour colour, const QPalette& grid_palette) {
    item->setForeground(Gain_Colour(colour, grid_palette, QPalette::Base));
}

Picture_Colours Picture_Palette() {
    Picture_Colours c;
    c.sky_top = QColor(10, 30, 80);
    c.sky_bottom = QColor(20, 90, 60);
    c.grid = c.sky_bottom.lighter(400);
    c.grid.setAlpha(50);
    c.line = QColor(80, 255, 120);
    c.title = QColor(255, 215, 0);
    c.title_shadow = c.sky_top.darker(300);
    c.title_shadow.setAlpha(170);
    return c;
}
