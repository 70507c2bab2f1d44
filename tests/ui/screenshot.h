#pragma once
// BULLQUEST_SCREENSHOTS=DIR keeps pictures of the windows as a player sees them.
#include <QString>
#include <QWidget>

inline void Save_Shot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("BULLQUEST_SCREENSHOTS");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name);
}
