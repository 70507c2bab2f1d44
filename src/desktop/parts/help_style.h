#pragma once
#include <QPalette>
#include <QString>

// The style sheet of the help document: its headings and shaded boxes for this palette.
QString Help_Style_Sheet(const QPalette& palette);
