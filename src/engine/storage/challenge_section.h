#pragma once
// The record of a challenge in a file: in a saved game, a section of its own after the record
// of the race (a file without it is an ordinary game); in a result file, its body.
#include <optional>

#include "engine/model/challenge_record.h"
#include "engine/model/game.h"

class Record_Reader;
class Record_Writer;

// The code, the alert boxes at the start, the generator's place and the inputs.
void Write_Challenge_Record(Record_Writer& writer, const Challenge_Record& record);
// Nothing when a field is damaged or holds what no challenge records.
std::optional<Challenge_Record> Read_Challenge_Record(Record_Reader& reader);

// The saved game's section: the record, and what the game's own records do not keep but a
// challenge's later turns depend on (capital gains, the settings a save leaves out, the
// computer's figures as they were shown).
struct Challenge_Section {
    Challenge_Record Record;
    double Player_Capital_Gains = 0, Computer_Capital_Gains = 0;
    int Short = 0, Suprise = 0, Earnings_Slider = 5;
    Shown_Number Cash_View, Net_Worth;  // the computer's
};
void Write_Challenge_Section(Record_Writer& writer, const Game& game);
// True when game.Challenge's last digest is that of the game: a section is written only then.
bool Challenge_Holds(const Game& game);
std::optional<Challenge_Section> Read_Challenge_Section(Record_Reader& reader);
// Puts the section into `loaded`, a game read whole and valued as a load values it; false when
// the record does not belong to that game (its last digest is not the game's).
bool Apply_Challenge_Section(Game& loaded, Challenge_Section section);
