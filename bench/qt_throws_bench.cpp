// A "Durchlauf" of a million throws in the Qt window on the offscreen platform,
// with the forced repaint of the throw counter active, against the same run on
// the window model alone; the window at 100 % and zoomed to 300 %.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "platform/steady_clock.h"
#include "program/program.h"
#include "qt/main_window.h"
#include "qt/zoom.h"
#include "qt_application.h"
#include "support/fake_platform.h"

namespace lurnatik {
namespace {

constexpr int kThrows = 1000000;

// The scripted platform with a real clock, so the generator is reseeded as in
// the program.
struct BenchPlatform {
    testing::FakePlatform fake;
    SteadyClock clock;
    Platform platform{fake.messageBox, clock, fake.locale, fake.files, fake.printer, fake.session};
};

void prepare(Form1& form) {
    form.textanzahl.setText("1000000");
    form.Option1.select(1);
}

void checkRun(benchmark::State& state, const Form1& form) {
    if (form.state.wurfnr != kThrows) {
        state.SkipWithError("okstart made no run of a million throws");
    }
}

void modelAlone(benchmark::State& state) {
    BenchPlatform bench;
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>(bench.platform);
        program->startUp();
        prepare(program->form);
        state.ResumeTiming();

        program->form.okstart.click();

        state.PauseTiming();
        checkRun(state, program->form);
        program.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kThrows);
}

void qtWindow(benchmark::State& state) {
    application();
    BenchPlatform bench;
    unsigned long paints = 0;
    unsigned long keepAlives = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>(bench.platform);
        program->startUp();
        auto window = std::make_unique<MainWindow>();
        window->bind(program->form);
        window->show();
        // Sized as a user would zoom it, by the window's size.
        window->resize(sizeAtZoom(window->size(), static_cast<double>(state.range(0)) / 100));
        QCoreApplication::processEvents();
        prepare(program->form);
        window->syncFromModel();
        auto* start = window->findChild<QPushButton*>(QStringLiteral("okstart"));
        // The desktop resizing the window as often as the run lets events through.
        QTimer resizing;
        bool larger = false;
        QObject::connect(&resizing, &QTimer::timeout, window.get(), [&] {
            larger = !larger;
            window->resize(window->size() + (larger ? QSize(40, 30) : QSize(-40, -30)));
        });
        if (state.range(1) != 0) {
            resizing.start(0);
        }
        const unsigned long paintsBefore = window->lakutRepainter()->paints();
        const unsigned long keepAlivesBefore = window->lakutRepainter()->keepAlives();
        state.ResumeTiming();

        // The user's click: the handler runs, then the window is brought up to date.
        start->click();

        state.PauseTiming();
        resizing.stop();
        checkRun(state, program->form);
        if (state.range(1) == 0 && window->zoom() * 100 != static_cast<double>(state.range(0))) {
            state.SkipWithError("the window did not zoom");
        }
        paints += window->lakutRepainter()->paints() - paintsBefore;
        keepAlives += window->lakutRepainter()->keepAlives() - keepAlivesBefore;
        window.reset();
        program.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kThrows);
    state.counters["paints/run"] =
        benchmark::Counter(static_cast<double>(paints), benchmark::Counter::kAvgIterations);
    state.counters["keepalives/run"] =
        benchmark::Counter(static_cast<double>(keepAlives), benchmark::Counter::kAvgIterations);
}

BENCHMARK(modelAlone)->Name("QtThrows/ModelAlone")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(qtWindow)
    ->Name("QtThrows/Window")
    ->ArgNames({"zoom%", "resizing"})
    ->Args({100, 0})
    ->Args({300, 0})
    ->Args({300, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace lurnatik
