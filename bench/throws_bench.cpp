// Throws per second of a "Durchlauf" on the window model, against the fastest loop
// that does the same work: the same generator reseeded from the same clock before
// every draw, and the same statistics in plain integer counters.

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/count_text.h"
#include "model/random.h"
#include "program/program.h"
#include "support/fake_platform.h"

namespace lurnatik {
namespace {

constexpr int kThrows = 1000000;

// 1 red, 2 black, 0 neither.
constexpr std::array<std::uint8_t, 37> kColour = {0, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 2, 1,
                                                  2, 1, 2, 1, 2, 1, 1, 2, 1, 2, 1, 2, 1,
                                                  2, 1, 2, 2, 1, 2, 1, 2, 1, 2, 1};

class NanosecondClock : public Clock {
  public:
    std::uint64_t seed() override {
        return static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count());
    }
};

void modelRun(benchmark::State& state) {
    testing::FakePlatform fake;
    NanosecondClock clock;
    Platform platform{fake.messageBox, clock, fake.locale, fake.files, fake.printer, fake.session};
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>(platform);
        program->startUp();
        program->form.textanzahl.setText("1000000");
        program->form.Option1.select(1);
        state.ResumeTiming();

        program->form.okstart.click();

        benchmark::DoNotOptimize(program->form.lakut.caption.data());
        state.PauseTiming();
        if (program->form.state.wurfnr != kThrows) {
            state.SkipWithError("the run did not make every throw");
        }
        program.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kThrows);
}

struct Counters {
    std::array<int, 37> frequency{};
    std::array<int, 37> doubles{};
    std::array<int, 37> triples{};
    int red = 0, black = 0, low = 0, high = 0, even = 0, odd = 0;
    int firstRepeat = 0, firstDouble = 0, firstTriple = 0;
};

void idealLoop(benchmark::State& state) {
    NanosecondClock steady;
    Clock& clock = steady;
    Generator generator;
    for (auto _ : state) {
        auto c = std::make_unique<Counters>();
        int previous = 200;
        int pair = 200;
        for (int throwNumber = 1; throwNumber <= kThrows; ++throwNumber) {
            generator.reseed(clock.seed());
            const int n = generator.drawNumber();
            if (++c->frequency[n] == 2 && c->firstRepeat == 0) {
                c->firstRepeat = throwNumber;
            }
            if (pair == n) {
                ++c->triples[n];
                if (c->firstTriple == 0) {
                    c->firstTriple = throwNumber;
                }
            }
            pair = 200;
            if (n == previous) {
                ++c->doubles[n];
                pair = n;
                if (c->firstDouble == 0) {
                    c->firstDouble = throwNumber;
                }
            }
            if (n != 0) {
                c->red += kColour[n] == 1;
                c->black += kColour[n] == 2;
                c->low += n < 19;
                c->high += n > 18;
                c->even += n % 2 == 0;
                c->odd += n % 2 == 1;
            }
            previous = n;
        }
        benchmark::DoNotOptimize(c.get());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kThrows);
}

// The part of a throw's evaluation that reading every count back from its text
// cannot avoid: the four counts a random throw raises, on texts as the window
// holds them, without the draw, the clock or any other bookkeeping.
void raiseFourCounts(benchmark::State& state) {
    std::vector<int> numbers(kThrows);
    Generator generator;
    for (int& n : numbers) {
        n = generator.drawNumber();
    }
    for (auto _ : state) {
        std::array<std::string, 37> frequency;
        std::array<std::string, 6> chances;
        for (const int n : numbers) {
            raiseCount(frequency[static_cast<std::size_t>(n)]);
            if (n == 0) {
                continue;
            }
            raiseCount(chances[kColour[static_cast<std::size_t>(n)] - 1]);
            raiseCount(chances[2 + (n < 19)]);
            raiseCount(chances[4 + (n & 1)]);
        }
        benchmark::DoNotOptimize(chances.data());
        benchmark::DoNotOptimize(frequency.data());
    }
    state.SetItemsProcessed(state.iterations() * kThrows);
}

}  // namespace

BENCHMARK(raiseFourCounts)->Name("throws/raise_four_counts_1M")->Unit(benchmark::kMillisecond);
BENCHMARK(modelRun)->Name("throws/model_durchlauf_1M")->Unit(benchmark::kMillisecond);
BENCHMARK(idealLoop)->Name("throws/ideal_loop_1M")->Unit(benchmark::kMillisecond);

}  // namespace lurnatik
