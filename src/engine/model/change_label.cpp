#include "engine/model/change_label.h"

#include "engine/model/numbers.h"

void Change_Label::Set_Move(double move, double percent) {
    leading_ = move;
    percent_ = percent;
    written_ = false;
}

void Change_Label::Set_Text(std::string text) {
    text_ = std::move(text);
    leading_ = Leading_Number(text_);
    written_ = true;
}

void Change_Label::Write() const {
    char text[2 * Number_Text_Room + 4];
    char* end = Number_Text_To(text, leading_);
    *end++ = '(';
    end = Number_Text_To(end, percent_);
    *end++ = '%';
    *end++ = ')';
    text_.assign(text, end);
    written_ = true;
}
