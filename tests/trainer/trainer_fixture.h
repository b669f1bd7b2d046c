#pragma once
// The trainer window on fake services, with helpers to lay a chosen exercise on
// the board through the random source. Every trainer test uses it, as a gtest
// fixture (TrainerTest) or as a plain object where a test wants several windows.

#include <gtest/gtest.h>

#include <string>

#include "fakes/fakes.h"
#include "runtime/conversions.h"
#include "trainer/form2.h"

namespace trainer_test {

struct TrainerOnFakes {
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
    // Gap cell n, 1 to 13.
    rt::Label& gapCell(int n) { return *form.luecken()[static_cast<std::size_t>(n - 1)]; }
    // The code the window keeps for a selected gap cell.
    static std::string gapCode(int n) { return std::to_string(trainer::kGapCodeOffset + n); }

    std::string shownPoints() const { return form.Bezeichnung22.caption; }
    std::string shownErrors() const { return form.Bezeichnung23.caption; }
    long long points() const { return static_cast<long long>(rt::val(form.Bezeichnung16)); }
    long long errors() const { return static_cast<long long>(rt::val(form.Bezeichnung15)); }
    int errorBoxes() const { return f.dialogs.count("Fehler"); }

    bool boardMarkerParked() const {
        return form.tasten.left == trainer::kMarkerParkedLeft &&
               form.tasten.top == trainer::kMarkerParkedTop;
    }
    bool panelMarkerParked() const {
        return form.ltasten.left == trainer::kPanelMarkerParkedLeft &&
               form.ltasten.top == trainer::kPanelMarkerParkedTop;
    }
};

class TrainerTest : public ::testing::Test, protected TrainerOnFakes {};

}  // namespace trainer_test
