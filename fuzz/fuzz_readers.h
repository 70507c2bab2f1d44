#pragma once
// One input through each reader of a stored file, shared by the fuzz targets and the
// corpus regression test. A reader may refuse its input; anything else it
// throws, and a file that does not come back the same after a save and a read (a saved
// game's record of the race included), is a bug and throws Fuzz_Failure. Returns true when
// the input was accepted.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "engine/model/game.h"
#include "engine/history/history.h"
#include "engine/storage/file_io.h"
#include "engine/storage/recent_file.h"
#include "engine/model/challenge_record.h"
#include "engine/storage/records.h"
#include "engine/storage/result_file.h"
#include "engine/storage/statistics_file.h"
#include "engine/flows/game_files.h"
#include "engine/storage/saved_game.h"
#include "engine/storage/winners_file.h"

struct Fuzz_Failure : std::logic_error {
    using std::logic_error::logic_error;
};

namespace fuzz {

inline const Game& Base_Game() {
    static const Game base = [] {
        Game g;
        Init_Game(g);
        return g;
    }();
    return base;
}

// The data folder of this process: the two start-up files are read from there.
inline const std::string& Data_Dir() {
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("bullquest-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        static const std::filesystem::path made = d;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(made, ignored);
        });
        return d.string();
    }();
    return dir;
}

// The record of the race as a save keeps it: the counts of what was dropped are not saved.
inline Game_History Saved_Record(const Game& game) {
    Game_History h = *game.History;
    h.Dropped_Points = h.Dropped_Entries = 0;
    return h;
}

inline bool Saved_Game(const std::string& input) {
    std::optional<Game> loaded = Loaded_Game(Base_Game(), input);
    if (!loaded) return false;
    // The first save settles the forms the reader allows ("1.5" for an Integer); from
    // then on a save and a load give back the same file.
    const std::string once = Saved_Game_Text(*loaded);
    std::optional<Game> again = Loaded_Game(Base_Game(), once);
    if (!again) throw Fuzz_Failure("a saved game does not load again");
    if (once != Saved_Game_Text(*again)) throw Fuzz_Failure("saved game changed on a second round trip");
    // The record takes no form it would not write: it comes back figure for figure.
    if (Saved_Record(*loaded) != Saved_Record(*again)) throw Fuzz_Failure("the record of the race changed in a save");
    // So does the record of a challenge in play, which only a game that is its own can hold.
    if (!loaded->Challenge != !again->Challenge || (loaded->Challenge && !(*loaded->Challenge == *again->Challenge)))
        throw Fuzz_Failure("the record of a challenge changed in a save");
    if (loaded->Challenge && (loaded->Player_Capital_Gains != again->Player_Capital_Gains ||
                              loaded->C_Portfolio.Cash_View.Text() != again->C_Portfolio.Cash_View.Text()))
        throw Fuzz_Failure("what a challenge's section keeps of the game changed in a save");
    return true;
}

// A result file (*.bqr) reads back as itself once written again.
inline bool Result(const std::string& input) {
    const Result_Reading first = Read_Result_File(input);
    if (!first.File) return false;
    const std::string once = Result_File_Text(first.File->Record, first.File->Claim);
    const Result_Reading again = Read_Result_File(once);
    if (!again.File || !again.File->Check_Matches) throw Fuzz_Failure("a result file written again is refused");
    if (!(again.File->Record == first.File->Record) || !(again.File->Claim == first.File->Claim))
        throw Fuzz_Failure("a result file changed on a round trip");
    if (Result_File_Text(again.File->Record, again.File->Claim) != once) throw Fuzz_Failure("a result file's text changed");
    return true;
}

inline bool Statistics_File(const std::string& input) {
    const File_Result<Statistics> first = Statistics_From(input);
    if (!first) return false;
    const std::string once = Statistics_Text(*first);
    const File_Result<Statistics> again = Statistics_From(once);
    if (!again) throw Fuzz_Failure("Statistics.txt refused after a write");
    if (Statistics_Text(*again) != once) throw Fuzz_Failure("Statistics.txt changed on a second round trip");
    return true;
}

template <typename Read, typename Write, typename Field>
bool Start_Up_File(const std::string& name, const std::string& input, Read read, Write write, Field field) {
    const std::string path = Data_Dir() + "/" + name;
    if (!Write_File_Atomic(path, input)) throw Fuzz_Failure("cannot write " + path);
    Game first;
    first.Data_Dir = Data_Dir();
    if (!read(first)) return false;
    Game second = first, third = first;
    if (!write(first)) throw Fuzz_Failure("cannot write " + path);
    if (!read(second)) throw Fuzz_Failure(name + " refused after a write");
    if (!write(second)) throw Fuzz_Failure("cannot write " + path);
    if (!read(third)) throw Fuzz_Failure(name + " refused after a write");
    if (field(second) != field(third)) throw Fuzz_Failure(name + " changed on a second round trip");
    return true;
}

inline bool Winners(const std::string& input) {
    return Start_Up_File("Winners.txt", input, Read_Winners, Write_Winners, [](const Game& g) {
        std::vector<std::string> texts;
        std::vector<double> numbers;
        for (const auto& level : g.High_Scores)
            for (const High_Score& e : level) {
                texts.insert(texts.end(), {e.Player_Name, e.Handicap_Text});
                numbers.insert(numbers.end(), {e.Final_Worth, e.Opp_Final_Worth, e.Final_Score});
            }
        return std::make_pair(texts, numbers);
    });
}

inline bool Recent(const std::string& input) {
    return Start_Up_File("Recent.txt", input, Read_Recent, Write_Recent, [](const Game& g) { return g.Recent; });
}

}  // namespace fuzz
