#include <cstddef>
#include <cstdint>

#include "fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Result(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
