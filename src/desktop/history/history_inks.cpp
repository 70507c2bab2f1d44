#include "desktop/history/history_inks.h"

#include <QChart>
#include <QGradient>
#include <QList>

#include "desktop/parts/colours.h"

namespace {

// A warning's hue, far from both players' lines.
const QColor Crash_Amber(255, 190, 0);

QList<QColor> Ground_Colours(const QBrush& ground) {
    QList<QColor> colours;
    if (const QGradient* gradient = ground.gradient())
        for (const QGradientStop& stop : gradient->stops()) colours << stop.second;
    if (colours.isEmpty()) colours << ground.color();
    return colours;
}

// Readable everywhere on the ground: made so against the part of it where it stands out least.
QColor On_Ground(const QColor& wanted, const QList<QColor>& ground, const QColor& fallback) {
    QColor worst = ground.front();
    for (const QColor& g : ground)
        if (Contrast_Ratio(wanted, g) < Contrast_Ratio(wanted, worst)) worst = g;
    const QColor c = Nearest_Readable(wanted, worst, Line_Contrast);
    for (const QColor& g : ground)
        if (Contrast_Ratio(c, g) < Line_Contrast) return fallback;
    return c;
}

}  // namespace

History_Inks Chart_Inks(const QPalette& palette, const QBrush& chart_ground) {
    const QList<QColor> ground = Ground_Colours(chart_ground);
    // The plain colour of the palette, or its opposite where the chart's ground is not the window's.
    const QColor plain = On_Ground(Plain_Colour(palette), ground, Is_Dark(palette) ? Qt::black : Qt::white);
    const auto on_chart = [&](const QColor& wanted) { return On_Ground(wanted, ground, plain); };
    return {on_chart(Gain_Colour(Colour::Blue, palette)),
            on_chart(Gain_Colour(Colour::Red, palette)),
            plain,
            plain,
            on_chart(Game_Colour(Crash_Amber, palette, QPalette::Window)),
            plain};
}

void Clear_Chart(QChart* chart, const QPalette& palette) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    const QChart::ChartTheme theme = Is_Dark(palette) ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    if (chart->theme() != theme) chart->setTheme(theme);
}
