// Importing the largest recorded permanence (1,242,616 spins, 3.5 MB) through the
// whole OK handling, against the plainest loop that gets the same numbers: read
// the bytes, split at commas and line ends, from_chars each spin into a vector.

#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <vector>

#include "platform/disk_file_system.h"
#include "program/program.h"
#include "support/fake_platform.h"

namespace lurnatik {
namespace {

const std::string kDirectory = LURNATIK_DATA_DIR;
const std::string kFile = "wiesbaden-tisch7.txt";

void idealImport(benchmark::State& state) {
    DiskFileSystem files;
    std::size_t spins = 0;
    for (auto _ : state) {
        const std::optional<std::string> bytes = files.readFile(kDirectory + "/" + kFile, 0, {});
        if (!bytes) {
            state.SkipWithError("no data file");
            return;
        }
        std::vector<double> values;
        const char* p = bytes->data();
        const char* const end = p + bytes->size();
        for (int line = 0; line < 4 && p < end; ++p) {
            line += *p == '\n';
        }
        while (p < end && *p != '=') {
            double value = 0;
            const auto result = std::from_chars(p, end, value);
            if (result.ec == std::errc()) {
                values.push_back(value);
            }
            p = result.ec == std::errc() ? result.ptr : p + 1;
            while (p < end && (*p == ',' || *p == '\r' || *p == '\n')) {
                ++p;
            }
        }
        spins = values.size();
        benchmark::DoNotOptimize(values.data());
    }
    state.counters["spins"] = static_cast<double>(spins);
}

void importThroughOk(benchmark::State& state) {
    testing::FakePlatform fake;
    Program program(fake.platform);
    program.startUp();
    Form1& form = program.form;
    State& s = form.state;
    form.okextern.click();
    form.Dir1.setPath(kDirectory);
    for (int i = 0; i < form.File1.listCount(); ++i) {
        if (form.File1.items[static_cast<std::size_t>(i)] == kFile) {
            form.File1.listIndex = i;
        }
    }
    form.File1.click();
    if (form.File1.fileName() != kFile) {
        state.SkipWithError("no data file");
        return;
    }
    for (auto _ : state) {
        form.okexternok.click();

        state.PauseTiming();
        if (s.importmodus != 1) {
            state.SkipWithError("the file was not accepted");
            break;
        }
        state.counters["spins"] = s.sollwuerfe;
        state.counters["bytes_per_entry"] =
            static_cast<double>(s.permanenz.capacity() * sizeof(s.permanenz[0])) /
            static_cast<double>(s.permanenz.size());
        // Back to the open panel in random mode, without an earlier permanenz.
        s.permanenz = {};
        s.importmodus = 0;
        form.textanzahl.setText("");
        form.Frame1.visible = true;
        form.okextern.enabled = true;
        state.ResumeTiming();
    }
}

BENCHMARK(idealImport)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(importThroughOk)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace lurnatik
