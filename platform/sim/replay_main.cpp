// tremolux-replay FILE: runs one scenario on the simulated desktop and
// prints its trace. Exit 0: every expect held; 1: one failed; 2: the file
// is malformed and nothing ran.
#include <cstring>
#include <fstream>
#include <iostream>

#include "platform/sim/Replay.h"
#include "platform/sim/Scenario.h"

int main(int argc, char** argv) {
    bool reads = false;
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--reads") == 0) {
            reads = true;
        } else if (!file) {
            file = argv[i];
        } else {
            file = nullptr;
            break;
        }
    }
    if (!file) {
        std::cerr << "usage: tremolux-replay [--reads] FILE|-\n";
        return 2;
    }
    std::ifstream stream;
    std::istream* in = &std::cin;
    if (std::strcmp(file, "-") != 0) {
        stream.open(file, std::ios::binary);
        if (!stream) {
            std::cerr << file << ": cannot open\n";
            return 2;
        }
        in = &stream;
    }
    tremolux::sim::ParseError error{};
    const auto scenario = tremolux::sim::ParseScenario(*in, error);
    if (!scenario) {
        std::cerr << file << ":" << error.line << ": " << error.message << '\n';
        return 2;
    }
    tremolux::sim::Replay replay(*scenario, &std::cout, std::cerr);
    if (reads) replay.SetReads(true);
    return replay.Run();
}
