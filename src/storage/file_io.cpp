#include "storage/file_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

std::optional<std::string> Read_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return content.str();
}

bool Write_File_Atomic(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << content;
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) std::remove(temporary.c_str());
    return !error;
}

std::optional<std::string> Read_Or_Create(const std::string& path, const std::string& fallback) {
    if (auto content = Read_File(path)) return content;
    if (!Write_File_Atomic(path, fallback)) return std::nullopt;
    return fallback;
}
