// Plays every input in the files and folders named on the command line
// through the fuzz target, so the corpus runs as an ordinary test in any
// build, compiler and platform, libFuzzer or not. A broken rule aborts.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputs_in(const std::filesystem::path& named) {
    if (!std::filesystem::is_directory(named)) return {named};
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(named))
        inputs.push_back(entry.path());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    int played = 0;
    for (int i = 1; i < argc; ++i) {
        for (const std::filesystem::path& input : inputs_in(argv[i])) {
            std::ifstream file(input, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file), {}};
            std::cout << input.filename().string() << ": " << bytes.size() << " bytes" << std::endl;
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++played;
        }
    }
    return played > 0 ? 0 : 1;  // an empty corpus proves nothing
}
