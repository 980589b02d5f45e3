// lurnatik1-scenario: runs a script against the window model without a display.
//   lurnatik1-scenario [SCRIPT]   (standard input when no script is named)

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
        std::ifstream script(argv[1]);
        if (!script) {
            std::cerr << "cannot read " << argv[1] << '\n';
            return 2;
        }
        return runner.run(script);
    }
    return runner.run(std::cin);
}
