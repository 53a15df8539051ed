// Replays a fuzz target over its seed corpus: the normal test run tries what the fuzzer starts from.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
    int count = 0;
    for (const auto& seed : std::filesystem::directory_iterator(argc == 2 ? argv[1] : "(no corpus given)")) {
        const std::string bytes = (std::ostringstream() << std::ifstream(seed.path(), std::ios::binary).rdbuf()).str();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++count;
    }
    std::printf("replayed %d seeds\n", count);
    return count == 0;  // an empty corpus tests nothing
}
