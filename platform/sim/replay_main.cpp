// tremolux-replay FILE: runs one scenario on the simulated desktop and
// prints its trace. Exit 0: every expect held; 1: the run did not pass (an
// expect failed, the run reached one of its bounds, or its trace could not
// be written), with a message saying which; 2: the file is malformed or
// cannot be read, and nothing ran.
#include <cstring>
#include <filesystem>
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
        // A directory opens as a file that reads as empty; it is no scenario.
        std::error_code error;
        if (std::filesystem::is_directory(file, error)) {
            std::cerr << file << ": is a directory\n";
            return 2;
        }
        stream.open(file, std::ios::binary);
        if (!stream) {
            std::cerr << file << ": cannot open\n";
            return 2;
        }
        in = &stream;
    }
    tremolux::sim::ParseError error{};
    const auto scenario = tremolux::sim::ParseScenario(*in, error);
    if (in->bad()) {
        std::cerr << file << ": cannot read\n";
        return 2;
    }
    if (!scenario) {
        std::cerr << file << ":" << error.line << ": " << error.message << '\n';
        return 2;
    }
    tremolux::sim::Replay replay(*scenario, &std::cout, std::cerr);
    if (reads) replay.SetReads(true);
    const int code = replay.Run();
    // A trace that did not reach its file, a full disk say, is no pass.
    if (!std::cout.flush()) {
        std::cerr << "the trace could not be written\n";
        return 1;
    }
    return code;
}
