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
    for (int k = 1; k <= 36; ++k) {
        const auto first = static_cast<std::uint32_t>((k * (std::uint64_t{1} << 32) + 36) / 37);
        EXPECT_EQ(Generator::numberFromBits(first), k);
        EXPECT_EQ(Generator::numberFromBits(first - 1), k - 1);
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

// 370,000 throws of "Durchlauf" through the whole program, with the real clock,
// a coarse one and one that counts. The bounds are ones a correct generator
// exceeds less than once in a million runs.
TEST(ThrowStatistics, EveryNumberComesWithProbabilityOneIn37) {
    testing::FakePlatform fake;
    SteadyClock steady;
    CoarseClock coarse;
    Clock* const clocks[] = {&steady, &coarse, &fake.clock};
    for (Clock* clock : clocks) {
        Platform platform{fake.messageBox, *clock,       fake.locale,
                          fake.files,      fake.printer, fake.session};
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
        for (int r = 0; r <= 36; ++r) {
            const double observed = readNumber(form.tabelle1.cell(r, 1).text);
            chiSquare += (observed - expected) * (observed - expected) / expected;
            doubles += readNumber(form.tabelle1.cell(r, 2).text);
        }
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
}

}  // namespace
}  // namespace lurnatik
