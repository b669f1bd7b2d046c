// SIGTERM and SIGINT end the program through its loop: the code a shell expects,
// and no box opens while it ends.
#include <gtest/gtest.h>

#include <QTest>
#include <csignal>

#include "fakes/fakes.h"
#include "runtime/qt/form_renderer.h"
#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/quit_on_signals.h"

namespace {

TEST(QuitOnSignals, EachSignalLeavesTheLoopWithItsCode) {
    for (int number : {SIGTERM, SIGINT}) {
        int code = 0;
        rtqt::QuitOnSignals catcher([&code](int c) { code = c; });
        ASSERT_EQ(std::raise(number), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return code != 0; }, 5000));
        EXPECT_EQ(code, 128 + number);
    }
}

TEST(QuitOnSignals, NoBoxOpensWhileTheProgramEnds) {
    rtqt::FormRenderer renderer;
    rtqt::QtDialogs dialogs(renderer);
    bool left = false;
    rtqt::QuitOnSignals catcher([&left](int) { left = true; });
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return left; }, 5000));
    // Were a box shown here, exec() would wait for a click that never comes.
    EXPECT_EQ(dialogs.msgBox({"Dieses Programm jetzt beenden?\r\r\r", "Minuskolonne",
                              rt::Buttons::YesNo, rt::Icon::Critical, true}),
              rt::Answer::No);
    EXPECT_EQ(dialogs.inputBox("Kennwort eingeben:", "Druckersperre aufheben", "Mqhxndzq"), "");
}

}  // namespace
