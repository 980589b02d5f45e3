#include "run_fixture.h"

#include "core/number_text.h"

namespace lurnatik::testing {

double RunTest::columnSum(int col) const {
    double sum = 0;
    for (int r = 0; r <= 36; ++r) {
        sum += readNumber(t1(r, col));
    }
    return sum;
}

}  // namespace lurnatik::testing
