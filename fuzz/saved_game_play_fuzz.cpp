#include <cstddef>
#include <cstdint>

#include "fuzz_play.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Saved_Game_Played(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
