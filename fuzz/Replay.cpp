// Replays fuzzing corpora without libFuzzer, so that the test suite can run
// them under its own compiler and sanitizers: every file named on the command
// line, and every file in every folder named there, is fed to the target's
// LLVMFuzzerTestOneInput once, in name order. A run that finds nothing to
// replay fails, so that a moved corpus is not mistaken for a clean one.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Inputs(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
        } else {
            inputs.emplace_back(argv[i]);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

// Exactly the file's bytes in a block of their own, so that the sanitizers
// see any read past the end.
void Replay(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    const auto copy = std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), copy.get());
    LLVMFuzzerTestOneInput(copy.get(), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    const std::vector<fs::path> inputs = Inputs(argc, argv);
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER_OR_FILE...: nothing to replay\n", argv[0]);
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    for (const fs::path& input : inputs) {
        Replay(input);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("replayed %zu inputs in %.2f s\n", inputs.size(), took.count());
    return 0;
}
