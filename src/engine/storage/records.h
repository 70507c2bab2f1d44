#pragma once
// Comma-separated records: one line per record ended by CR LF, texts quoted,
// numbers plain with "." whatever the locale, Booleans "#TRUE#" / "#FALSE#".
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/types.h"

// A text field the writer cannot store.
struct Record_Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Never throws. A text that holds a double quote cannot be stored in a record: it is
// written as an empty text and the output is marked incomplete, for the caller to refuse;
// so is a number Full_Number cannot write.
class Record_Writer {
public:
    Record_Writer& Text(std::string_view t);
    Record_Writer& Number(double x);
    // Written out in full as the game's money texts are (Number_Text): at most 15 significant
    // digits and never an exponent. A value that is not finite cannot be stored.
    Record_Writer& Full_Number(double x);
    // The shortest text that reads back as exactly this double (an exponent where it is
    // shorter); a value that is not finite cannot be stored.
    Record_Writer& Exact_Number(double x);
    Record_Writer& Single_Number(Single x);
    Record_Writer& Money(Currency c);
    Record_Writer& Boolean(bool b);
    void End_Record();
    // Room for about `bytes` more, taken at once: a long record would otherwise be copied each
    // time its room doubles.
    void Reserve(std::size_t bytes) { Room(bytes); }
    // What was written so far (which ends the room kept for more).
    const std::string& Output();
    // The output, handed over without a copy; the writer starts again empty.
    std::string Take_Output();
    // False once a text or a number could not be stored.
    bool Complete() const { return complete_; }

private:
    // At least `bytes` free after the output, the comma before a field included; returns where
    // the field goes.
    char* Field(std::size_t bytes) {
        char* p = Room(bytes + 1);
        if (!first_) *p++ = ',';
        first_ = false;
        return p;
    }
    char* Room(std::size_t bytes) {
        if (out_.size() - size_ < bytes) Grow(bytes);
        return out_.data() + size_;
    }
    void Grow(std::size_t bytes);
    void Written(const char* end) { size_ = static_cast<std::size_t>(end - out_.data()); }
    void Put(std::string_view text);
    // The output is out_'s first size_ characters; the rest is room, so that a field of a long
    // record is written in place rather than appended.
    std::string out_;
    std::size_t size_ = 0;
    bool first_ = true;
    bool complete_ = true;
};

// Reads the fields in order regardless of line breaks, skipping blanks around them. Every read
// gives its value, or nothing when the field is missing, of the wrong kind or outside its type;
// after the first such failure the reader gives nothing more, so a damaged file can never be
// half read as good.
class Record_Reader {
public:
    explicit Record_Reader(std::string data) : owned_(std::move(data)), data_(owned_) {}
    // Reads `data` where it lies, without a copy (a long save is megabytes); it must outlive
    // the reader.
    struct In_Place {};
    Record_Reader(In_Place, std::string_view data) : data_(data) {}
    // The fields are views into the text the reader holds.
    Record_Reader(const Record_Reader&) = delete;
    Record_Reader& operator=(const Record_Reader&) = delete;
    std::optional<std::string> Text();
    // The same text seen where it lies in the reader's text, for a caller that only compares it.
    std::optional<std::string_view> Text_View();
    std::optional<double> Number();
    // Only a number as Full_Number writes it, so that one read writes back the same.
    std::optional<double> Full_Number();
    // Only a number as Exact_Number writes it.
    std::optional<double> Exact_Number();
    std::optional<Single> Single_Number();
    std::optional<Integer> Integer_Number();
    std::optional<Long> Long_Number();
    std::optional<Byte> Byte_Number();
    std::optional<Currency> Money();
    std::optional<bool> Boolean();
    // True when only blanks are left and nothing failed.
    bool At_End();

private:
    // A field's text within data_: a long save holds hundreds of thousands of fields, and
    // none needs a copy of its own to be read as a number.
    struct Field {
        std::string_view text;
        bool quoted = false;
    };
    std::optional<Field> Next();
    // Where the next field starts when no blank stands before it (the line ends skipped).
    const char* Field_Start() const;
    // True, and past the comma, when a field ends at `p`.
    bool Ends_Field(const char* p);
    std::optional<std::string_view> Number_Token();
    void Skip_Blanks();
    // Notes the failure; returns nothing for the caller to pass on.
    std::nullopt_t Fail();
    std::string owned_;
    std::string_view data_;
    size_t pos_ = 0;
    bool failed_ = false;
};
