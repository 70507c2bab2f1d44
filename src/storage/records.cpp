#include "storage/records.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/numbers.h"

void Record_Writer::Separate() {
    if (!first_) out_ += ',';
    first_ = false;
}

Record_Writer& Record_Writer::Text(const std::string& t) {
    if (t.find('"') != std::string::npos) throw Record_Error("quote in a text field");
    Separate();
    out_ += '"' + t + '"';
    return *this;
}

Record_Writer& Record_Writer::Number(double x) {
    Separate();
    out_ += Number_Text(x);
    return *this;
}

Record_Writer& Record_Writer::Single_Number(Single x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(x));
    Separate();
    out_ += (std::string(buf) == "-0") ? "0" : buf;
    return *this;
}

Record_Writer& Record_Writer::Money(Currency c) { return Number(c.Value()); }

Record_Writer& Record_Writer::Boolean(bool b) {
    Separate();
    out_ += b ? "#TRUE#" : "#FALSE#";
    return *this;
}

void Record_Writer::End_Record() {
    out_ += "\r\n";
    first_ = true;
}

void Record_Reader::Skip_Blanks() {
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t' || data_[pos_] == '\r' || data_[pos_] == '\n'))
        ++pos_;
}

bool Record_Reader::At_End() {
    Skip_Blanks();
    return pos_ >= data_.size();
}

Record_Reader::Field Record_Reader::Next() {
    Skip_Blanks();
    if (pos_ >= data_.size()) throw Record_Error("missing field");
    Field f;
    if (data_[pos_] == '"') {
        size_t close = data_.find('"', pos_ + 1);
        if (close == std::string::npos) throw Record_Error("unclosed text");
        f.text = data_.substr(pos_ + 1, close - pos_ - 1);
        f.quoted = true;
        pos_ = close + 1;
    } else {
        size_t end = pos_;
        while (end < data_.size() && data_[end] != ',' && data_[end] != '\r' && data_[end] != '\n') ++end;
        f.text = data_.substr(pos_, end - pos_);
        while (!f.text.empty() && (f.text.back() == ' ' || f.text.back() == '\t')) f.text.pop_back();
        pos_ = end;
    }
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
    if (pos_ < data_.size()) {
        if (data_[pos_] == ',') ++pos_;
        else if (data_[pos_] != '\r' && data_[pos_] != '\n') throw Record_Error("text after a field");
    }
    return f;
}

std::string Record_Reader::Text() {
    Field f = Next();
    if (!f.quoted) throw Record_Error("number where a text is due");
    return f.text;
}

double Record_Reader::Number() {
    Field f = Next();
    if (f.quoted || f.text.empty()) throw Record_Error("text where a number is due");
    char* end = nullptr;
    double x = std::strtod(f.text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(x)) throw Record_Error("not a number");
    return x;
}

Single Record_Reader::Single_Number() { return static_cast<Single>(Number()); }

static double Whole_In(double x, double low, double high) {
    double r = std::nearbyint(x);
    if (r < low || r > high) throw Record_Error("number outside its type");
    return r;
}

Integer Record_Reader::Integer_Number() { return static_cast<Integer>(Whole_In(Number(), -32768, 32767)); }
Long Record_Reader::Long_Number() { return static_cast<Long>(Whole_In(Number(), -2147483648.0, 2147483647.0)); }
Byte Record_Reader::Byte_Number() { return static_cast<Byte>(Whole_In(Number(), 0, 255)); }
Currency Record_Reader::Money() { return Currency::From_Double(Number()); }

bool Record_Reader::Boolean() {
    Field f = Next();
    if (f.quoted) throw Record_Error("text where a Boolean is due");
    if (f.text == "#TRUE#") return true;
    if (f.text == "#FALSE#") return false;
    throw Record_Error("not a Boolean");
}
