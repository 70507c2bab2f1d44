#pragma once
// Comma-separated records: one line per record ended by CR LF, texts quoted,
// numbers plain with "." whatever the locale, Booleans "#TRUE#" / "#FALSE#".
#include <stdexcept>
#include <string>
#include <vector>

#include "core/types.h"

// A damaged or truncated record file.
struct Record_Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Never throws. A text that holds a double quote cannot be stored in a record: it is
// written as an empty text and the output is marked incomplete, for the caller to refuse.
class Record_Writer {
public:
    Record_Writer& Text(const std::string& t);
    Record_Writer& Number(double x);
    Record_Writer& Single_Number(Single x);
    Record_Writer& Money(Currency c);
    Record_Writer& Boolean(bool b);
    void End_Record();
    const std::string& Output() const { return out_; }
    // False once a text could not be stored.
    bool Complete() const { return complete_; }

private:
    void Separate();
    std::string out_;
    bool first_ = true;
    bool complete_ = true;
};

class Record_Reader {
public:
    explicit Record_Reader(std::string data) : data_(std::move(data)) {}
    std::string Text();
    double Number();
    Single Single_Number();
    Integer Integer_Number();
    Long Long_Number();
    Byte Byte_Number();
    Currency Money();
    bool Boolean();
    bool At_End();

private:
    struct Field {
        std::string text;
        bool quoted = false;
    };
    Field Next();
    std::string Number_Token();
    void Skip_Blanks();
    std::string data_;
    size_t pos_ = 0;
};
