// libFuzzer target: the key decoder alone, on the game fuzzer's input format
// (fuzz/fuzz_script.h) up to a megabyte, read by a busy game. Linear time and
// bounded memory are held by libFuzzer's -timeout and -rss_limit_mb.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    blockslide::type_fuzz_script({data, size}, nullptr);
    return 0;
}
