// pbrain-splotchery (also named splotchery-brain): the master (or another level, --level 0..4)
// as a Gomocup brain on standard input and output.
#include "brain/Brain.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>

int main(int argc, char** argv)
{
    int level = splot::kMasterLevel;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--level") && i + 1 < argc && std::strlen(argv[i + 1]) == 1 &&
            argv[i + 1][0] >= '0' && argv[i + 1][0] <= '4') {
            level = argv[++i][0] - '0';
        } else {
            std::fprintf(stderr, "usage: %s [--level 0..4]   (0 very easy .. 3 expert, 4 master)\n", argv[0]);
            return 2;
        }
    }
    splot::BrainSession session(level, static_cast<std::uint32_t>(std::time(nullptr)));
    std::string line;
    std::vector<std::string> out;
    bool running = true;
    while (running && std::getline(std::cin, line)) {
        out.clear();
        running = session.handle(line, out);
        for (const std::string& answer : out)
            std::cout << answer << '\n';
        std::cout.flush();
    }
    return 0;
}
