#pragma once
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

struct Game;

// Watches a console game from outside, as the soak test's invariant checks do.
class Console_Observer {
public:
    virtual ~Console_Observer() = default;
    virtual void After_Turn(const Game& game) = 0;
    virtual void After_Command(const std::string& line, const Game& before, const Game& after) = 0;
};

// What the command line asked of the console beyond its seed and data folder.
struct Console_Choices {
    // Bots and scripts play in the player's data folder too: their games count in the
    // player's statistics only when asked (--statistics).
    bool keep_statistics = false;
    std::string today;  // --today: the date challenge results are filed under
};

// The console driver: reads commands, one a line, and plays the engine without windows.
// Returns the program's exit status.
int Run_Console(std::istream& in, std::ostream& out, std::uint32_t seed, const std::string& data_dir,
                Console_Observer* observer = nullptr, const Console_Choices& choices = {});
