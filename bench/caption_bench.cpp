// Showing the status text in its label: a short caption, one that fills the label,
// and a header of 10 MB, as a permanence file can bring. Each iteration shows a
// caption that differs from the one before in its first character, and paints.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLabel>
#include <string>
#include <utility>

#include "model/instruction_text.h"
#include "program/program.h"
#include "qt/main_window.h"
#include "qt_application.h"
#include "support/fake_platform.h"

namespace lurnatik {
namespace {

void showCaption(benchmark::State& state, const std::string& caption) {
    application();
    testing::FakePlatform fake;
    Program program(fake.platform);
    program.startUp();
    MainWindow window;
    window.bind(program.form);
    window.show();
    QCoreApplication::processEvents();
    auto* label = window.findChild<QLabel*>(QStringLiteral("text"));
    // Two captions swapped in and out, so no iteration copies a long one.
    std::string other = caption;
    other[0] = other[0] == '#' ? '*' : '#';
    program.form.text.caption = caption;
    for (auto _ : state) {
        std::swap(program.form.text.caption, other);
        window.syncFromModel();
        label->repaint();
    }
}

BENCHMARK_CAPTURE(showCaption, Short, std::string(" Der Computer erzeugt die Zahlen..."))
    ->Name("Caption/Short")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(showCaption, FillsTheLabel, std::string(kInstructionText))
    ->Name("Caption/FillsTheLabel")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(showCaption, OneMegabyte,
                  "Spielbank " + std::string(1'000'000, 'x') + "\r ***  ENDE  *** ")
    ->Name("Caption/OneMegabyte")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(showCaption, TenMegabytes,
                  "Spielbank " + std::string(10'000'000, 'x') + "\r ***  ENDE  *** ")
    ->Name("Caption/TenMegabytes")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lurnatik
