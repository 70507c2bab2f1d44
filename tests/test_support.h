#pragma once
// What the tests share: a Screens that records what the engine asked of the windows, the
// games the tests start from, and a fresh folder for the files a test writes.
#include <csignal>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "engine/model/game.h"
#include "engine/flows/new_game.h"
#include "engine/model/numbers.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"
#include "engine/flows/turn.h"

class Recording_Screens : public Screens {
public:
    std::vector<std::string> log;
    std::optional<std::string> file_answer;

    void Show_Alert(const std::string& caption, const std::string& text,
                    const std::vector<std::string>& lines) override {
        std::string s = "alert " + caption + ": " + text;
        for (const auto& l : lines) s += " | " + l;
        log.push_back(s);
    }
    void Show_Tax(const std::string& you, const std::string& computer) override {
        log.push_back("tax " + you + " " + computer);
    }
    bool Ask_Confirmation(const std::string& caption) override {
        log.push_back("confirm " + caption);
        return true;
    }
    Settings Run_New_Game_Setup(const Game& game) override {
        log.push_back("setup");
        return game.Setup;
    }
    void Message_Box(const std::string& text) override { log.push_back("message " + text); }
    void Beep() override { log.push_back("beep"); }
    std::optional<std::string> Input_Box(const std::string& title, const std::string&) override {
        log.push_back("input " + title);
        return std::nullopt;
    }
    End_Answer Run_End_Of_Game(const Game& game, const End_Of_Game_View& view) override {
        log.push_back("end " + view.Ticker + " | " + view.Score + " | " + view.You_Made_It);
        return {End_Choice::New_Game, game.Name_Text};
    }
    void Show_Winners(const Game&) override { log.push_back("winners"); }
    void Show_Help(int context) override { log.push_back("help " + std::to_string(context)); }
    std::optional<std::string> Choose_Open_File(const std::string&) override {
        log.push_back("open-dialog");
        return file_answer;
    }
    std::optional<std::string> Choose_Save_File(const std::string&) override {
        log.push_back("save-dialog");
        return file_answer;
    }
    void Timer_Changed(bool enabled) override { log.push_back(enabled ? "timer on" : "timer off"); }

    bool Logged(const std::string& prefix) const {
        for (const auto& l : log)
            if (l.rfind(prefix, 0) == 0) return true;
        return false;
    }
};

// A game as the program holds it before any is dealt, its data folder `dir`.
inline Game Blank_Game(const std::string& dir = "") {
    Game game;
    Init_Game(game);
    game.Data_Dir = dir;
    return game;
}

// The lines of `text`, each without its `end`.
inline std::vector<std::string> Split_Lines(const std::string& text, const std::string& end = "\n") {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t next = text.find(end, at);
        if (next == std::string::npos) next = text.size();
        lines.push_back(text.substr(at, next - at));
        at = next + end.size();
    }
    return lines;
}

// 42 stocks at one price that has not moved for 100 turns, weights of 1, nothing held.
inline Game Flat_Market(int price, const std::string& turn = "1") {
    Game game = Blank_Game();
    game.Turn_Number = Shown_Number::Read(turn);
    for (int s = 0; s < Stock_Count; ++s) {
        game.Price[s].Set(price);
        game.Price_History[s].fill(static_cast<Byte>(price));
        game.Index_Weight[s] = 1;
    }
    return game;
}

// A new game of the seed's market, dealt without asking, played `turns` turns.
inline Game Dealt_Game(std::uint32_t seed, int turns = 0) {
    Game game = Blank_Game();
    Random rnd(seed);
    Recording_Screens screens;
    Deal_New_Game(game, rnd, screens);
    for (int t = 0; t < turns; ++t) Play_Turn(game, rnd, screens);
    return game;
}

// A fresh empty folder, so tests never see each other's files.
inline std::string Fresh_Dir(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("bullquest_test_" + name + "_" + std::to_string(std::random_device{}()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

// While it lives, no file this process writes may grow past `bytes`: a full disk as the
// writer sees it, for root too.
class File_Size_Limit {
public:
    explicit File_Size_Limit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    File_Size_Limit(const File_Size_Limit&) = delete;
    File_Size_Limit& operator=(const File_Size_Limit&) = delete;
    ~File_Size_Limit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_signal_);
    }

private:
    rlimit old_{};
    void (*old_signal_)(int) = SIG_DFL;
};
