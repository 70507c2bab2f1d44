#pragma once
// The windows of the console driver: a modal window prints one line when it opens;
// the questions are answered by the command being run.
#include <deque>
#include <map>
#include <ostream>

#include "core/game.h"
#include "core/screens.h"

class Console_Screens : public Screens {
public:
    explicit Console_Screens(std::ostream& out) : out_(out) {}

    std::map<std::string, int> pending_setup;  // keys of the running `new` command
    std::optional<std::string> input_answer;   // V of the running `cheat` command
    std::optional<std::string> file_answer;    // FILE of the running `save`/`load`

    void Show_Alert(const std::string& caption, const std::string& text,
                    const std::vector<std::string>& lines) override;
    void Show_Tax(const std::string& you, const std::string& computer) override;
    bool Ask_Confirmation(const std::string&) override { return true; }
    void Run_New_Game_Setup(Game& game) override;
    void Message_Box(const std::string& text) override;
    void Beep() override {}
    std::optional<std::string> Input_Box(const std::string&, const std::string&) override { return input_answer; }
    End_Choice Run_End_Of_Game(Game& game, const std::string& ticker, const std::string& score,
                               const std::string& you_made_it, const std::string& name_prompt,
                               bool name_enabled) override;
    void Show_Winners(Game&) override { out_ << "window The Winners Circle\n"; }
    void Show_Help(int context) override { out_ << "help " << context << "\n"; }
    std::optional<std::string> Choose_Open_File(const std::string&) override { return file_answer; }
    std::optional<std::string> Choose_Save_File(const std::string&) override { return file_answer; }

private:
    std::ostream& out_;
};
