#include "engine/flows/command_line.h"

#include <ostream>

#include "bullquest_version.h"
#include "engine/storage/statistics_file.h"

const Program_Options& Desktop_Options() {
    // QApplication takes these out of the command line itself, with one dash or two and the
    // value as the next argument.
    static const Program_Options options{
        "bullquest",
        "Bullquest, a turn-based stock-market game: opens the game's main window.",
        false,
        {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowtitle",
         "qwindowicon", "style", "stylesheet", "session", "display", "geometry", "name", "title", "icon"},
        {"reverse", "widgetcount", "nograb", "dograb", "sync"}};
    return options;
}

const Program_Options& Console_Options() {
    static const Program_Options options{
        "bullquest-cli", "Plays Bullquest without windows, reading commands from standard input.", true, {}, {}, true};
    return options;
}

namespace {

bool Digits(const std::string& text, std::size_t most) {
    return !text.empty() && text.size() <= most && text.find_first_not_of("0123456789") == std::string::npos;
}

bool Listed(const std::vector<std::string>& names, const std::string& name) {
    for (const auto& n : names)
        if (n == name) return true;
    return false;
}

}  // namespace

Command_Line Parse_Command_Line(const Program_Options& program, const std::vector<std::string>& args) {
    Command_Line line;
    bool help = false, version = false;
    auto fail = [&line](const std::string& why) {
        line.action = Command_Line::Action::Error;
        line.error = why;
        return line;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            help = true;
            continue;
        }
        if (arg == "-v" || arg == "--version") {
            version = true;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') return fail("unexpected argument '" + arg + "'");
        const std::string bare = arg.substr(arg[1] == '-' ? 2 : 1);  // Qt's options take one dash or two
        if (Listed(program.toolkit_flags, bare)) continue;
        if (Listed(program.toolkit_values, bare)) {
            if (++i == args.size()) return fail("option '" + arg + "' needs a value");
            continue;
        }
        if (arg == "--statistics" && program.challenges) {
            line.keep_statistics = true;
            continue;
        }
        // Our own options: --name VALUE or --name=VALUE.
        const auto eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const bool soak = name == "--soak" || name == "--soak-long";
        const bool challenge = name == "--verify" || name == "--today";
        if (name != "--seed" && name != "--data-dir" && !(soak && program.soak) && !(challenge && program.challenges))
            return fail("unknown option '" + arg + "'");
        std::string value;
        if (eq != std::string::npos) value = arg.substr(eq + 1);
        else if (i + 1 < args.size()) value = args[++i];
        else return fail("option '" + arg + "' needs a value");
        if (name == "--seed") {
            if (!Digits(value, 10) || std::stoull(value) > 0xFFFFFFFFull)
                return fail("--seed takes a whole number from 0 to 4294967295, not '" + value + "'");
            line.seed = static_cast<std::uint32_t>(std::stoull(value));
        } else if (name == "--data-dir") {
            if (value.empty()) return fail("--data-dir takes the name of a folder");
            line.data_dir = value;
        } else if (name == "--verify") {
            if (value.empty()) return fail("--verify takes the name of a result file");
            line.verify_file = value;
        } else if (name == "--today") {
            if (!Is_Result_Date(value)) return fail("--today takes a date as YYYY-MM-DD, not '" + value + "'");
            line.today = value;
        } else {
            if (!Digits(value, 15) || std::stoll(value) < 1)
                return fail(name + " takes a whole number of turns from 1 up, not '" + value + "'");
            line.soak_turns = std::stoll(value);
            line.long_game = name == "--soak-long";
        }
    }
    if (help) line.action = Command_Line::Action::Help;
    else if (version) line.action = Command_Line::Action::Version;
    return line;
}

std::string Usage_Text(const Program_Options& program) {
    std::string text = "Usage: " + program.name + " [OPTION]...\n" + program.summary + "\n\n";
    text +=
        "  --seed N        start the market's random generator at N (0 to 4294967295);\n"
        "                  the same seed gives the same market\n"
        "  --data-dir DIR  keep Recent.txt, Winners.txt and Data2.txt in DIR (by default\n"
        "                  $XDG_DATA_HOME/bullquest, or ~/.local/share/bullquest)\n";
    if (program.challenges)
        text +=
            "  --verify FILE   replay the challenge result FILE (.bqr) from its code and print\n"
            "                  'verified: ...' (exit status 0) or 'not verified: ...' (1)\n"
            "  --statistics    keep the player's statistics (Statistics.txt) in the data folder\n"
            "  --today DATE    file challenge results under DATE (YYYY-MM-DD), not today's\n";
    if (program.soak)
        text +=
            "  --soak TURNS    play TURNS random turns, checking every invariant after each\n"
            "  --soak-long TURNS\n"
            "                  play one game of TURNS turns with bull markets, crashes, cheats,\n"
            "                  saves and loads, checking every invariant after each\n";
    text +=
        "  -h, --help      print this help and exit\n"
        "  -v, --version   print the version and exit\n\n";
    if (!program.toolkit_values.empty())
        text += "Qt's own options, such as -style NAME and -platform NAME, are passed on to Qt.\n";
    return text + "The manual page " + program.name + "(6) tells more.\n";
}

std::string Version_Text(const Program_Options& program) {
    return program.name + " " + Bullquest_Version +
           "\n"
           "Copyright (C) The Bullquest developers.\n"
           "License GPL-3.0-or-later: the GNU GPL, version 3 or any later version.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

int Answer_Command_Line(const Program_Options& program, const Command_Line& line, std::ostream& out,
                        std::ostream& err) {
    switch (line.action) {
        case Command_Line::Action::Help: out << Usage_Text(program); return 0;
        case Command_Line::Action::Version: out << Version_Text(program); return 0;
        case Command_Line::Action::Error:
            err << program.name << ": " << line.error << "\n" << Usage_Text(program);
            return 2;
        case Command_Line::Action::Run: break;
    }
    return 0;
}
