#include "runtime/clock_random.h"

#include <gtest/gtest.h>

#include <vector>

#include "fakes/fakes.h"

namespace {

std::vector<double> drawAfterReseed(rt::Random& random, int n) {
    random.reseed();
    std::vector<double> values;
    for (int i = 0; i < n; ++i) values.push_back(random.next());
    return values;
}

TEST(ClockMixedRandom, TwoReseedsWithinOneClockReadingGiveDifferentSequences) {
    fakes::FakeClock clock;
    rt::ClockMixedRandom random(clock);
    const auto first = drawAfterReseed(random, 9);
    const auto second = drawAfterReseed(random, 9);
    EXPECT_NE(first, second);
}

TEST(ClockMixedRandom, TheClockChangesTheSequence) {
    fakes::FakeClock clock;
    rt::ClockMixedRandom a(clock), b(clock);
    const auto before = drawAfterReseed(a, 5);
    clock.seconds += 0.01;
    EXPECT_NE(before, drawAfterReseed(b, 5));
}

TEST(ClockMixedRandom, DrawsStayInTheHalfOpenUnitIntervalAndFillIt) {
    fakes::FakeClock clock;
    rt::ClockMixedRandom random(clock);
    random.reseed();
    int buckets[10] = {};
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++buckets[static_cast<int>(r * 10)];
    }
    for (int count : buckets) {
        EXPECT_GT(count, n / 10 * 9 / 10);
        EXPECT_LT(count, n / 10 * 11 / 10);
    }
}

}  // namespace
