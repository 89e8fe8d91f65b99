// Plays every input in the folders named on the command line through a fuzz
// target, so that a corpus runs as an ordinary test in any build, compiler
// and platform, libFuzzer or not. A broken rule aborts.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int played = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& input : std::filesystem::directory_iterator(argv[i])) {
            std::ostringstream bytes;
            bytes << std::ifstream(input.path(), std::ios::binary).rdbuf();
            std::cout << input.path().filename().string() << ": " << bytes.view().size() << " bytes"
                      << std::endl;
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.view().data()),
                                   bytes.view().size());
            ++played;
        }
    }
    return played > 0 ? 0 : 1;  // an empty corpus proves nothing
}
