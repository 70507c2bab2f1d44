#pragma once
// The change beside a price on the quotes board, "-2(25%)": the move since the last turn and its
// share of the larger price, or a text of its own ("CRASH!", or one a saved game held). Kept as
// the two numbers and written as text only when the text is first asked for: every turn moves
// 42 of them, and the board, a save or the console's state shows them far less often.
#include <string>

class Change_Label {
public:
    Change_Label() = default;
    explicit Change_Label(std::string text) { Set_Text(std::move(text)); }

    void Set_Move(double move, double percent);
    void Set_Text(std::string text);
    const std::string& Text() const {
        if (!written_) Write();
        return text_;
    }
    // The label's leading number: the move, or what a text set whole begins with.
    double Leading() const { return leading_; }
    bool operator==(const Change_Label& other) const { return Text() == other.Text(); }

private:
    void Write() const;
    mutable std::string text_ = "0(0%)";
    double leading_ = 0;
    double percent_ = 0;
    mutable bool written_ = true;
};
