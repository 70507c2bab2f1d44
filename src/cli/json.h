#pragma once
// Compact JSON for the console's answers: keys and values in the order they are written.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

class Json {
public:
    std::string out;

    void Key(const char* k) {
        Text(k);
        out += ':';
    }
    void Text(const std::string& s) {
        Sep();
        out += '"';
        for (unsigned char ch : s) {
            if (ch == '"') out += "\\\"";
            else if (ch == '\\') out += "\\\\";
            else if (ch < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", ch);
                out += buf;
            } else out += static_cast<char>(ch);
        }
        out += '"';
    }
    void Number(double x) {
        Sep();
        char buf[40];
        if (x == 0) std::snprintf(buf, sizeof buf, "0");  // no "-0"
        else if (std::isfinite(x) && x == std::floor(x) && std::fabs(x) < 1e17) std::snprintf(buf, sizeof buf, "%.0f", x);
        else if (std::isfinite(x)) std::snprintf(buf, sizeof buf, "%.17g", x);
        else std::snprintf(buf, sizeof buf, "null");
        out += buf;
    }
    // The shortest text that reads back as the same number (9.17, not 9.1699999999999999).
    void Decimal(double x) {
        if (!std::isfinite(x) || (x == std::floor(x) && std::fabs(x) < 1e17)) return Number(x);
        Sep();
        char buf[64];
        out.append(buf, std::to_chars(buf, buf + sizeof buf, x).ptr);
    }
    void Bool(bool b) { Sep(); out += b ? "true" : "false"; }
    void Null() { Sep(); out += "null"; }
    void Open(char c) { Sep(); out += c; }
    void Close(char c) { out += c; }

private:
    // A value follows a comma unless it opens a container or follows its key.
    void Sep() {
        if (!out.empty() && out.back() != '{' && out.back() != '[' && out.back() != ':') out += ',';
    }
};

template <typename Seq, typename F>
void Array(Json& j, const Seq& seq, F each) {
    j.Open('[');
    for (const auto& v : seq) each(v);
    j.Close(']');
}
