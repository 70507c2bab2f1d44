#pragma once
// The windows of the console driver: a modal window prints one line when it opens;
// the questions are answered by the command being run.
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "engine/model/game.h"
#include "engine/model/screens.h"

class Console_Screens : public Screens {
public:
    explicit Console_Screens(std::ostream& out) : out_(out) {}

    std::map<std::string, int> pending_setup;  // keys of the running `new` command
    std::optional<std::string> input_answer;   // V of the running `cheat` command
    std::optional<std::string> file_answer;    // FILE of the running `save`/`load`
    std::optional<std::string> typed_name;     // what `name` typed into the end-of-game name box

    void Show_Alert(const std::string& caption, const std::string& text,
                    const std::vector<std::string>& lines) override;
    void Show_Tax(const std::string& you, const std::string& computer) override;
    bool Ask_Confirmation(const std::string&) override { return true; }
    Settings Run_New_Game_Setup(const Game& game) override;
    // `settings` with the keys of a `new` command set.
    static Settings With_Keys(Settings settings, const std::map<std::string, int>& keys);
    void Message_Box(const std::string& text) override;
    void Beep() override {}
    std::optional<std::string> Input_Box(const std::string&, const std::string&) override { return input_answer; }
    End_Answer Run_End_Of_Game(const Game& game, const End_Of_Game_View& view) override;
    void Show_Winners(const Game&) override { out_ << "window The Winners Circle\n"; }
    void Show_Help(int context) override { out_ << "help " << context << "\n"; }
    std::optional<std::string> Choose_Open_File(const std::string&) override { return file_answer; }
    std::optional<std::string> Choose_Save_File(const std::string&) override { return file_answer; }

private:
    std::ostream& out_;
};
