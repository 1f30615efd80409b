// Runs a fuzz target without libFuzzer: every file named on the command line,
// then a fixed number of pseudo-random inputs made from the same seeds by
// byte-level mutation. This keeps the targets exercised in the ordinary build.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    std::vector<std::string> seeds;
    for (int i = 1; i < argc; ++i) {
        std::ifstream f(argv[i], std::ios::binary);
        if (!f) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 2;
        }
        seeds.emplace_back(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    if (seeds.empty()) seeds.emplace_back();
    for (const std::string& s : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(s.data()), s.size());

    std::mt19937 rng(1957);
    std::uniform_int_distribution<int> byte(0, 255), edits(1, 8);
    const int runs = 20000;
    for (int r = 0; r < runs; ++r) {
        std::string s = seeds[static_cast<size_t>(r) % seeds.size()];
        for (int e = edits(rng); e > 0; --e) {
            const size_t at = s.empty() ? 0 : static_cast<size_t>(rng() % (s.size() + 1));
            switch (rng() % 3) {
                case 0: s.insert(at, 1, static_cast<char>(byte(rng))); break;
                case 1: if (at < s.size()) s.erase(at, 1); break;
                default: if (at < s.size()) s[at] = static_cast<char>(byte(rng)); break;
            }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    }
    std::printf("%zu seeds and %d mutated inputs ran without a fault\n", seeds.size(), runs);
    return 0;
}
