// Replays inputs through a fuzz target without libFuzzer, so the seed corpora and the inputs
// of past crashes run as ordinary tests in every build. Each argument is a file or a folder
// whose files are fed to LLVMFuzzerTestOneInput one by one, in name order. A fault ends the
// process the way it would end the fuzzer (abort, sanitizer report); an argument that names
// nothing readable, or arguments that hold no input at all, fail too.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {

bool Replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::printf("%s (%zu bytes)\n", file.c_str(), bytes.size());
    std::fflush(stdout);  // the name stays visible when the input aborts
    // An empty vector has no data(); the fuzzer hands a valid pointer with size 0.
    static const uint8_t empty = 0;
    LLVMFuzzerTestOneInput(bytes.empty() ? &empty : bytes.data(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg(argv[i]);
        std::vector<fs::path> files;
        std::error_code error;
        if (fs::is_directory(arg, error)) {
            for (const auto& entry : fs::directory_iterator(arg))
                if (entry.is_regular_file()) files.push_back(entry.path());
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(arg);
        }
        for (const fs::path& file : files) {
            if (!Replay(file)) return 1;
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::fputs("no inputs to replay\n", stderr);
        return 1;
    }
    std::printf("%zu inputs replayed\n", replayed);
    return 0;
}
