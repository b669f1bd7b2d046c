// Points, errors and the rocket's climb towards the moon.
#include "runtime/conversions.h"
#include "trainer/form2.h"

namespace trainer {

namespace {
constexpr int kPointsPerReward = 50;
constexpr int kRocketStep = 240;
// The rocket reaches this height with the 19th solved exercise.
constexpr int kRocketNearTheMoon = 360;
}  // namespace

long long Form2::zaehlen(std::string& hidden, rt::Label& shown) {
    const long long n = static_cast<long long>(rt::val(hidden)) + 1;
    hidden = std::to_string(n);
    shown.caption = hidden;
    return n;
}

void Form2::punkt() {
    const long long n = zaehlen(Bezeichnung16, Bezeichnung22);
    if (n % kPointsPerReward == 0)
        Bezeichnung26.visible = true;
}

void Form2::aufstieg() {
    const int t = Bild1.top - kRocketStep;
    Bild1.top = t;
    if (t <= kRocketNearTheMoon)
        Bezeichnung28.visible = true;
}

// Every solved exercise, of either kind, is announced and then moves the rocket.
void Form2::aufgabeGeloest(const std::string& title) {
    services_.dialogs.msgBox(
        {"Die Aufgabe wurde richtig gelöst.\r\r", title, rt::Buttons::Ok, rt::Icon::None, false});
    aufstieg();
}

}  // namespace trainer
