// lurnatik1-scenario: runs a script against the window model without a display.
//   lurnatik1-scenario [SCRIPT]   (standard input when no script is named)

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "scenario_runner.h"

int main(int argc, char** argv) {
    std::error_code error;
    const auto self = std::filesystem::canonical("/proc/self/exe", error);
    const std::string programDirectory = error ? std::string(".") : self.parent_path().string();

    lurnatik::ScenarioRunner runner(std::cout, std::cerr, programDirectory);
    if (argc > 2) {
        std::cerr << "usage: lurnatik1-scenario [SCRIPT]\n";
        return 2;
    }
    if (argc == 2) {
        // A directory opens as a stream that reads nothing, which would pass for an
        // empty script.
        std::error_code notThere;
        if (std::filesystem::is_directory(argv[1], notThere)) {
            std::cerr << "cannot read " << argv[1] << ": it is a directory\n";
            return 2;
        }
        std::ifstream script(argv[1]);
        if (!script) {
            std::cerr << "cannot read " << argv[1] << ": " << std::strerror(errno) << '\n';
            return 2;
        }
        return runner.run(script);
    }
    return runner.run(std::cin);
}
