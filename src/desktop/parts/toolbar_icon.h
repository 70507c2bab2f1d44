#pragma once
#include <QIcon>
#include <QPalette>
#include <QString>

// A toolbar picture (":/icons/NAME.png", with its @2x companion) for this palette: as drawn under
// a light palette; under a dark one each of its colours lightened as far as it must be to stand
// out from the window (3:1, the least for a graphic).
QIcon Toolbar_Icon(const QString& name, const QPalette& palette);
