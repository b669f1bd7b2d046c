#pragma once
// Helpers to read a worksheet back and to lay chosen numbers on it through the
// random source.

#include <string>
#include <utility>
#include <vector>

#include "fakes/fakes.h"

namespace sheets_test {

// The six numbers of a line of cells; the "-" of a subtrahend cell is left out.
inline std::vector<long long> cellNumbers(const std::string& line) {
    std::vector<long long> numbers;
    for (std::size_t at = 0; at + 8 <= line.size(); at += 8) {
        numbers.push_back(std::stoll(line.substr(at + 1, 4)));
    }
    return numbers;
}

// Queues a block of one-subtrahend exercises given as (difference, subtrahend).
inline void queueOneSubtrahend(fakes::FakeRandom& random,
                               const std::vector<std::pair<int, int>>& exercises) {
    for (auto [difference, subtrahend] : exercises) {
        random.values.push_back(fakes::FakeRandom::pick(difference, 900, 100));
        random.values.push_back(fakes::FakeRandom::pick(subtrahend, 1000, 1));
    }
}

struct TwoSubtrahends {
    int difference, first, second;
};

inline void queueTwoSubtrahends(fakes::FakeRandom& random,
                                const std::vector<TwoSubtrahends>& exercises) {
    for (auto e : exercises) {
        random.values.push_back(fakes::FakeRandom::pick(e.difference, 900, 100));
        random.values.push_back(fakes::FakeRandom::pick(e.first, 900, 100));
        random.values.push_back(fakes::FakeRandom::pick(e.second, 1000, 1));
    }
}

}  // namespace sheets_test
