// A bounded stand-in for libFuzzer's driver: feeds seeded pseudo-random inputs of varied sizes
// (raw bytes, printable text and mutations of earlier inputs) to the target, for a number of
// runs or seconds, whichever ends first. A crash, hang or sanitizer report fails the test.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    long runs = 20000;
    double seconds = 20;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runs=", 7) == 0)
            runs = std::atol(argv[i] + 7);
        else if (std::strncmp(argv[i], "--seconds=", 10) == 0)
            seconds = std::atof(argv[i] + 10);
    }
    std::mt19937_64 rng(20261208);
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::uint8_t> previous;
    static const char printable[] = "0123456789/:.-, aApPmM\r\n\t[]=;\"'xX$yYdDhHnNsStT";
    long done = 0;
    for (; done < runs; ++done) {
        std::vector<std::uint8_t> input;
        const std::size_t size = rng() % 4 == 0 ? rng() % 2048 : rng() % 64;
        const int kind = static_cast<int>(rng() % 3);
        if (kind == 2 && !previous.empty()) {
            input = previous;
            for (int m = 0, n = 1 + static_cast<int>(rng() % 4); m < n; ++m) {
                const std::size_t at = rng() % (input.size() + 1);
                if (rng() % 2 && at < input.size())
                    input[at] = static_cast<std::uint8_t>(rng());
                else
                    input.insert(input.begin() + static_cast<long>(at),
                                 printable[rng() % (sizeof printable - 1)]);
            }
        } else {
            input.resize(size);
            for (auto& b : input)
                b = kind == 0
                        ? static_cast<std::uint8_t>(rng())
                        : static_cast<std::uint8_t>(printable[rng() % (sizeof printable - 1)]);
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
        previous = std::move(input);
        if ((done & 255) == 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >
                seconds)
            break;
    }
    std::printf("%ld inputs run\n", done);
    return 0;
}
