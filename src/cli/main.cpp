// orizen-cli: the game model and the computer player without a window.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("usage: orizen-cli <subcommand> ...");
        return 0;
    }
    std::fputs("error: no subcommand\n", stderr);
    return 2;
}
