// A Durchlauf of a million throws on the window model with the system's clock,
// timed by itself without Google Benchmark, so that the Windows build under Wine
// and the Linux build can be measured side by side (windows_vs_linux.sh).
// Prints the real time of each run in milliseconds, one a line.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/steady_clock.h"
#include "program/program.h"
#include "support/fake_platform.h"

int main(int argc, char** argv) {
    using namespace lurnatik;
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    testing::FakePlatform fake;
    SteadyClock clock;
    Platform platform{fake.messageBox, clock, fake.locale, fake.files, fake.printer, fake.session};
    for (int run = 0; run < runs; ++run) {
        auto program = std::make_unique<Program>(platform);
        program->startUp();
        program->form.textanzahl.setText("1000000");
        program->form.Option1.select(1);
        const auto start = std::chrono::steady_clock::now();
        program->form.okstart.click();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        if (program->form.state.wurfnr != 1000000) {
            std::fprintf(stderr, "the run did not make every throw\n");
            return 1;
        }
        std::printf("%.1f\n", took.count());
    }
    return 0;
}
