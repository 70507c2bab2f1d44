#pragma once
// The desktop's language: English, the game's own texts, unless the player's setting or, when
// it follows the desktop, the desktop's language asks for one the game has a translation of.
// The console and every number the rules read stay as they are in any language.
#include <QString>
#include <QStringList>

#include "engine/storage/player_settings.h"

// The languages the game speaks, by their codes: "en" first.
QStringList Game_Languages();
// The code of the language to use for `choice` ("" or "desktop": the desktop's own language,
// else a code) where the game has it, otherwise "en".
QString Language_For(const QString& choice);
// The code `choice` names: "desktop", "en" or "de".
QString Language_Code(Language_Choice choice);
// Installs the translation of the language `choice` leads to, with Qt's own for its standard
// buttons and dialogs; returns the code installed. Called once, before the first window.
QString Use_Language(const QString& choice);
