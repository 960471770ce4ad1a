// The libFuzzer entry of one target; CMake names the harness in PINLEAF_FUZZ_TARGET.
#include "Harnesses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return Fuzz::PINLEAF_FUZZ_TARGET(data, size);
}
