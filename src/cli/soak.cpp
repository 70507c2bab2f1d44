#include "cli/soak.h"

#include <random>
#include <sstream>

#include "cli/driver.h"
#include "cli/invariants.h"
#include "core/game.h"

namespace {

class Script_Writer {
public:
    Script_Writer(std::uint32_t seed, const std::string& data_dir) : rnd(seed), dir(data_dir) {
        Game names;
        Init_Game(names);
        symbols.assign(names.Symbol.begin(), names.Symbol.end());
    }

    std::string Write(long long turns) {
        New_Game();
        while (turns_written < turns) {
            int pick = Below(100);
            if (pick < 35) End_Turns();
            else if (pick < 55) Stock_Trade();
            else if (pick < 70) Option_Trade();
            else if (pick < 78) Cheat();
            else if (pick < 83) Save_Or_Load();
            else if (pick < 86) New_Game();
            else if (pick < 90) out << "alerts news=" << Below(2) << " world=" << Below(2) << "\n";
            else if (pick < 92) out << "name Soak " << Below(1000) << "\n";
            else out << "state\n";
        }
        out << "quit\n";
        return out.str();
    }

private:
    std::mt19937 rnd;
    std::string dir;
    std::vector<std::string> symbols;
    std::ostringstream out;
    long long turns_written = 0;

    int Below(int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); }
    const std::string& Symbol() { return symbols[Below(static_cast<int>(symbols.size()))]; }

    // Quantities a player might type: small, round, near the limits, fractional, empty.
    std::string Quantity() {
        static const char* const odd[] = {"", "0", "0.5", "1.5", "99999999999", "100000000", "50000000", "5000", "5001"};
        if (Below(4) == 0) return odd[Below(9)];
        return std::to_string(1 + Below(Below(2) ? 100 : 20000));
    }

    void New_Game() {
        out << "new goal=" << Below(4) << " handicap=" << Below(4) << " short=" << Below(2)
            << " options=" << Below(2) << " timelimit=" << Below(2) << " surprise=" << Below(2)
            << " frequency=" << 1 + Below(10) << " power=" << 1 + Below(10) << " earnings=" << 1 + Below(10)
            << "\n";
    }

    void End_Turns() {
        int n = Below(10) == 0 ? 100 + Below(200) : 1 + Below(30);
        out << "end " << n << "\n";
        turns_written += n;
    }

    void Stock_Trade() {
        static const char* const verbs[] = {"buy", "sell", "short", "cover"};
        out << verbs[Below(4)] << " " << Symbol() << " " << Quantity() << "\n";
    }

    void Option_Trade() {
        out << "option " << (Below(2) ? "buy" : "sell") << " " << (Below(2) ? "call" : "put") << " " << Symbol()
            << " " << 10 * (Below(22)) << " " << Below(60) << " " << Quantity() << "\n";
    }

    void Cheat() {
        static const char* const cash[] = {"0", "1", "-5", "5000", "2147483647", "999999999999", "1e300", "abc", ""};
        switch (Below(4)) {
        case 0: out << "cheat on\n"; break;
        case 1: out << "cheat cash " << cash[Below(9)] << "\n"; break;
        case 2: out << "cheat computer-cash " << cash[Below(9)] << "\n"; break;
        default: out << "cheat trend " << Below(13) - 6 << "\n"; break;
        }
    }

    void Save_Or_Load() {
        out << (Below(2) ? "save " : "load ") << dir << "/soak-" << Below(3) << ".bqg\n";
    }
};

bool Is_Trade(const std::string& line) {
    std::string verb = line.substr(0, line.find(' '));
    return verb == "buy" || verb == "sell" || verb == "short" || verb == "cover" || verb == "option";
}

class Invariant_Watch : public Console_Observer {
public:
    Soak_Result result;

    void After_Turn(const Game& game) override {
        ++result.turns;
        if (result.broken.empty()) Note(Turn_Invariants(game), "");
        if (result.broken.empty()) Note(Drift_Invariants(game), "");
    }
    void After_Command(const std::string& line, const Game& before, const Game& after) override {
        if (!result.broken.empty()) return;
        Note(Turn_Invariants(after), line);
        if (Is_Trade(line)) Note(Command_Invariants(before, after), line);
    }

private:
    void Note(const std::vector<std::string>& broken, const std::string& command) {
        std::string where = "turn " + std::to_string(result.turns);
        if (!command.empty()) where += " after `" + command + "`";
        for (const auto& b : broken) result.broken.push_back(where + ": " + b);
    }
};

// Keeps the driver's output from the terminal; the soak reports only what broke.
class Null_Buffer : public std::streambuf {
    int overflow(int c) override { return c; }
};

}  // namespace

std::string Soak_Script(std::uint32_t seed, long long turns, const std::string& data_dir) {
    return Script_Writer(seed, data_dir).Write(turns);
}

Soak_Result Run_Soak(std::uint32_t seed, long long turns, const std::string& data_dir) {
    std::istringstream in(Soak_Script(seed, turns, data_dir));
    Null_Buffer sink;
    std::ostream out(&sink);
    Invariant_Watch watch;
    // The watch stops checking after the first break; the game itself plays on to the end.
    Run_Console(in, out, seed, data_dir, &watch);
    return watch.result;
}
