// Replays fuzzing corpora without libFuzzer, so that the test suite can run
// them under its own compiler and sanitizers: every file named on the command
// line, and every file in every folder named there, is fed to the target's
// LLVMFuzzerTestOneInput once, in name order. A run that finds nothing to
// replay fails, so that a moved corpus is not mistaken for a clean one.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    LLVMFuzzerInitialize(&argc, &argv);
    std::vector<fs::path> inputs;
    for (const fs::path& named : std::vector<fs::path>(argv + 1, argv + argc)) {
        if (fs::is_directory(named)) {
            inputs.insert(inputs.end(), fs::directory_iterator(named), fs::directory_iterator());
        } else {
            inputs.push_back(named);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        // Exactly the file's bytes in a block of their own, so that the
        // sanitizers see any read past the end.
        std::vector<std::uint8_t> bytes(fs::file_size(input));
        std::ifstream(input, std::ios::binary)
            .read(reinterpret_cast<char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
