#pragma once
// The field cipher of the stored files: reversible, stateless, and its output is only
// hex digits, so it survives quoted comma-separated records.
#include <optional>
#include <string>

std::string Encode_Field(const std::string& text);
// Nothing for a text that no Encode_Field call could have produced.
std::optional<std::string> Decode_Field(const std::string& code);
