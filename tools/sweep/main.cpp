// The differential sweep of the computer's two ways of scoring candidates.
//   build/tools/sweep/sweep [--seed S] [--positions N]
// Prints how many positions it tried; at the first difference, the position as a position file.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sweep.h"

int main(int argc, char** argv) {
    unsigned long long seed = 1;
    long positions = 10000;
    for (int i = 1; i < argc; ++i) {
        char* end = nullptr;
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            seed = std::strtoull(argv[++i], &end, 10);
        } else if (std::strcmp(argv[i], "--positions") == 0 && i + 1 < argc) {
            positions = std::strtol(argv[++i], &end, 10);
        }
        if (end == nullptr || *end != '\0' || positions < 0) {
            std::fprintf(stderr, "usage: sweep [--seed S] [--positions N]\n");
            return 2;
        }
    }
    const orizen::sweep::Report r = orizen::sweep::run(seed, positions, [](long n) {
        std::fprintf(stderr, "\r%ld positions", n);
    });
    std::fprintf(stderr, "\n");
    std::printf("tried %ld positions (seed %llu)\n", r.tried, seed);
    if (r.what.empty()) {
        std::printf("no difference\n");
        return 0;
    }
    std::printf("first difference: %s\n%s", r.what.c_str(), r.position.c_str());
    return 1;
}
