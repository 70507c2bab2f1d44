#include <cstddef>
#include <cstdint>

#include "fuzz_play.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Console_Script(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
