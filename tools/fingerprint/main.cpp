// fingerprint [--short] [--modes LIST]: prints the engine's fingerprint (fingerprint.h); exits 1
// when the ways of running the search disagree. LIST: comma-separated 1..8 (threads) or plain.
#include <cstdio>
#include <cstring>
#include <string>

#include "fingerprint.h"

int main(int argc, char** argv) {
    orizen::fingerprint::Options o;
    o.sourceDir = ORIZEN_SOURCE_DIR;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--short") == 0) {
            o.longGames = false;
        } else if (std::strcmp(argv[i], "--modes") == 0 && i + 1 < argc) {
            o.modes.clear();
            std::string list = argv[++i];
            for (size_t at = 0; at <= list.size();) {
                const size_t end = std::min(list.find(',', at), list.size());
                const std::string w = list.substr(at, end - at);
                const int t = w == "plain" ? 0 : std::atoi(w.c_str());
                if (w != "plain" && (t < 1 || t > 8)) {
                    std::fprintf(stderr, "fingerprint: bad mode %s\n", w.c_str());
                    return 2;
                }
                o.modes.push_back({t});
                at = end + 1;
            }
        } else {
            std::fprintf(stderr, "usage: fingerprint [--short] [--modes 1,2,8,plain]\n");
            return 2;
        }
    }
    bool agree = false;
    const std::string out = orizen::fingerprint::run(o, agree);
    std::fputs(out.c_str(), stdout);
    return agree ? 0 : 1;
}
