#pragma once
// A trainer window on fake services, with helpers to lay a chosen subtraction on
// the board through the random source.

#include <gtest/gtest.h>

#include <string>

#include "fakes/fakes.h"
#include "trainer/form2.h"

namespace trainer_test {

class TrainerTest : public ::testing::Test {
  protected:
    fakes::Fakes f;
    trainer::Form2 form{f.services};

    // Queues the draws that make minuend a, subtrahend b and top row c.
    void queueSubtraction(int a, int b, int c = 999) {
        using fakes::FakeRandom;
        auto& v = f.random.values;
        v.push_back(FakeRandom::pick(a / 100, 5, 5));
        v.push_back(FakeRandom::pick(a / 10 % 10, 10));
        v.push_back(FakeRandom::pick(a % 10, 10));
        v.push_back(FakeRandom::pick(b / 100, 4, 1));
        v.push_back(FakeRandom::pick(b / 10 % 10, 10));
        v.push_back(FakeRandom::pick(b % 10, 10));
        v.push_back(FakeRandom::pick(c / 100, 5, 5));
        v.push_back(FakeRandom::pick(c / 10 % 10, 10));
        v.push_back(FakeRandom::pick(c % 10, 10));
    }

    // A new one-subtrahend exercise a - b on the board.
    void showSubtraction(int a, int b, int c = 999) {
        queueSubtraction(a, b, c);
        form.minusaufgabe();
    }

    const rt::CommandButton& digit(int d) { return *form.ziffern()[static_cast<std::size_t>(d)]; }

    std::string shownPoints() const { return form.Bezeichnung22.caption; }
    std::string shownErrors() const { return form.Bezeichnung23.caption; }
    int errorBoxes() const { return f.dialogs.count("Fehler"); }
};

}  // namespace trainer_test
