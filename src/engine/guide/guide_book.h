#pragma once
// What the player has seen of the guide, and whether it is on: kept with the player, not the
// game, in the data folder's Settings.txt ("Guide" on or off, one "Guide Note Seen" record a
// note), so a note is shown once whatever game is played, and in any copy of the game.
//
// A Settings.txt that cannot be read or is damaged is left in place, never written over: the
// guide then starts on with every note unseen, and what the player sees or chooses is kept
// until the program ends, the failure reported where the player asked for a change.
#include <set>
#include <string>
#include <vector>

#include "engine/guide/guide_notes.h"
#include "engine/storage/file_error.h"

struct Guide_Book {
    std::string Data_Dir;
    bool On = true;
    std::set<std::string> Seen;  // note keys
};

// The book as Settings.txt holds it; all unseen and on when there is none, or none readable.
Guide_Book Open_Guide_Book(const std::string& data_dir);

// The due notes the book has not seen, none while the guide is off: what to show, by what
// this copy of the game knows. Changes nothing.
std::vector<Guide_Note> Unseen_Notes(const Guide_Book& book, const std::vector<Guide_Note>& due);

struct Shown_Notes {
    std::vector<Guide_Note> Notes;  // to show now, in the order they came
    File_Result<> Stored;           // whether Settings.txt now records them as seen
};
// Shows the due notes: those unseen and the guide on, as Settings.txt says at this moment (so
// a note another copy showed meanwhile, or a guide it turned off, counts), are marked seen
// there and in the book, and returned. With the file unreadable or damaged the book alone
// decides and keeps them.
Shown_Notes Show_Notes(Guide_Book& book, const std::vector<Guide_Note>& due);

// Guide > on or off, and Reset (every note unseen again): in the book at once, and in
// Settings.txt unless it cannot be written (reported, the book changed all the same).
File_Result<> Turn_Guide(Guide_Book& book, bool on);
File_Result<> Reset_Guide(Guide_Book& book);
