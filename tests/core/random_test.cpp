#include "window/model/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>

#include "core/number_text.h"
#include "platform/steady_clock.h"
#include "support/fake_platform.h"
#include "window/program.h"

namespace lurnatik {
namespace {

TEST(NumberFromBits, CoversTheWheelExactly) {
    EXPECT_EQ(Generator::numberFromBits(0), 0);
    EXPECT_EQ(Generator::numberFromBits(0xFFFFFFFFu), 36);
    // Number k begins at the first 32-bit value r with r * 37 >= k * 2^32.
    for (std::uint64_t k = 1; k <= 36; ++k) {
        const std::uint64_t first = (k * (std::uint64_t{1} << 32) + 36) / 37;
        EXPECT_EQ(Generator::numberFromBits(static_cast<std::uint32_t>(first)),
                  static_cast<int>(k));
        EXPECT_EQ(Generator::numberFromBits(static_cast<std::uint32_t>(first - 1)),
                  static_cast<int>(k - 1));
    }
}

// A clock that ticks far slower than throws are made: thousands of throws read
// the same value, so a reseed that replaced the state would repeat its number.
class CoarseClock : public Clock {
  public:
    std::uint64_t seed() override { return 1733500000 + (++reads_ / 5000); }

  private:
    std::uint64_t reads_ = 0;
};

class ThrowStatistics : public ::testing::TestWithParam<std::string> {};

// 370,000 throws of "Durchlauf" through the whole program. The bounds are ones a
// correct generator exceeds less than once in a million runs.
TEST_P(ThrowStatistics, EveryNumberComesWithProbabilityOneIn37) {
    testing::FakePlatform fake;
    SteadyClock steady;
    CoarseClock coarse;
    Clock& clock = GetParam() == "Steady"   ? static_cast<Clock&>(steady)
                   : GetParam() == "Coarse" ? static_cast<Clock&>(coarse)
                                            : fake.clock;
    Platform platform{fake.messageBox, clock, fake.locale, fake.files, fake.printer, fake.session};
    auto program = std::make_unique<Program>(platform);
    Form1& form = program->form;
    program->startUp();

    constexpr double n = 370000;
    form.textanzahl.setText("370000");
    form.Option1.select(1);
    form.okstart.click();
    ASSERT_EQ(form.state.wurfnr, n);

    const double expected = n / 37;
    double chiSquare = 0;
    double doubles = 0;
    double counted = 0;
    for (int r = 0; r <= 36; ++r) {
        const double observed = readNumber(form.tabelle1.cell(r, 1).text);
        counted += observed;
        chiSquare += (observed - expected) * (observed - expected) / expected;
        doubles += readNumber(form.tabelle1.cell(r, 2).text);
    }
    ASSERT_EQ(counted, n);
    // Upper 1e-6 quantile of the chi-square distribution with 36 degrees of
    // freedom (regularised incomplete gamma function solved numerically).
    EXPECT_LT(chiSquare, 91.502);

    // The n - 1 neighbour pairs are equal with probability 1/37 each, and these
    // events are pairwise independent, so their sum has variance (n-1) p (1-p).
    const double p = 1.0 / 37;
    const double mean = (n - 1) * p;
    const double sd = std::sqrt((n - 1) * p * (1 - p));
    // Two-sided normal bound at 1e-6.
    EXPECT_LT(std::fabs(doubles - mean), 4.8917 * sd) << "doubles " << doubles;
}

INSTANTIATE_TEST_SUITE_P(Clocks, ThrowStatistics, ::testing::Values("Steady", "Coarse", "Counting"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace lurnatik
