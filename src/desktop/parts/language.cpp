#include "desktop/parts/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList Game_Languages() { return {"en", "de"}; }

QString Language_For(const QString& choice) {
    if (!choice.isEmpty() && choice != "desktop") return Game_Languages().contains(choice) ? choice : QString("en");
    // The desktop's languages in the player's order of preference (LANGUAGE, then LC_ALL,
    // LC_MESSAGES and LANG): the first the game speaks, as "de-AT" is German.
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QString code = language.section('-', 0, 0).section('_', 0, 0).toLower();
        if (Game_Languages().contains(code)) return code;
    }
    return "en";
}

QString Language_Code(Language_Choice choice) {
    switch (choice) {
        case Language_Choice::English: return "en";
        case Language_Choice::German: return "de";
        case Language_Choice::Desktop: break;
    }
    return "desktop";
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
