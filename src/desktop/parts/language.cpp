#include "desktop/parts/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList Game_Languages() { return {"en", "de"}; }

QString Language_For(const QString& choice) {
    const QString wanted = choice.isEmpty() || choice == "desktop" ? QLocale::system().name().section('_', 0, 0) : choice;
    return Game_Languages().contains(wanted) ? wanted : QString("en");
}

QString Use_Language(const QString& choice) {
    const QString code = Language_For(choice);
    if (code == "en") return code;
    // Kept for the program's life: a translator must outlive every text it translates.
    static QTranslator qt_texts, game_texts;
    if (qt_texts.load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_texts);
    if (!game_texts.load(":/i18n/bullquest_" + code + ".qm")) return "en";
    QCoreApplication::installTranslator(&game_texts);
    return code;
}
