#pragma once
// The engine's texts in the desktop's language. The engine has no Qt and always writes English;
// a window passes each engine text it shows through Engine_Text. A text is translated when it
// is registered here, as it stands or as a pattern whose %1..%9 stand for the figures, symbols
// and phrases the engine puts in; those pieces stay exactly as the engine wrote them (the game's
// own number formatting in every language), a piece that is itself a registered text is
// translated in turn, and a text with a piece of words that is not stays English as a whole.
// The console and the saved game stay English.
#include <string>

#include <QString>
#include <QStringList>

// `english` in the language in use; unchanged in English, or when it is no registered text.
QString Engine_Text(const std::string& english);

// The registered texts and patterns that translate `english`, the outermost first, whatever
// the language in use; empty when it is no registered text.
QStringList Engine_Text_Sources(const std::string& english);
// Every registered text and pattern.
QStringList Registered_Engine_Texts();
