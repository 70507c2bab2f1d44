#include "engine/storage/cipher.h"

// The key changes with the position so that repeated letters do not show as repeated codes.
static unsigned char Key(std::size_t position) {
    return static_cast<unsigned char>((position * 73 + 41) & 0xFF);
}

static const char Hex_Digits[] = "0123456789ABCDEF";

static int Hex_Value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Encode_Field(const std::string& text) {
    std::string code;
    code.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(text[i]) ^ Key(i);
        code += Hex_Digits[b >> 4];
        code += Hex_Digits[b & 0x0F];
    }
    return code;
}

std::optional<std::string> Decode_Field(const std::string& code) {
    if (code.size() % 2 != 0) return std::nullopt;
    std::string text;
    text.reserve(code.size() / 2);
    for (std::size_t i = 0; i < code.size(); i += 2) {
        int high = Hex_Value(code[i]);
        int low = Hex_Value(code[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        unsigned char b = static_cast<unsigned char>(high * 16 + low) ^ Key(i / 2);
        text += static_cast<char>(b);
    }
    return text;
}
