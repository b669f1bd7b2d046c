// The trainer window through the real renderer: drops, clicks and keys reach the
// handlers of the control under the mouse, as the child meets them.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include "demo_form.h"
#include "fakes/fakes.h"
#include "runtime/qt/control_widgets.h"
#include "runtime/qt/form_renderer.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_windows.h"
#include "trainer/form2.h"

namespace {

// The centre of a control in window pixels, inside its container if it has one.
QPoint centreOf(const rt::Control& c) {
    QPoint at(c.left / 15 + c.width / 30, c.top / 15 + c.height / 30);
    for (const rt::Control* box = c.container; box; box = box->container) {
        at += QPoint(box->left / 15, box->top / 15);
    }
    return at;
}

class TrainerRouting : public ::testing::Test {
  protected:
    void SetUp() override {
        // 532 - 174 = 358 for the first exercise, built by the first activation.
        for (auto [value, range, offset] :
             {std::tuple{5, 5, 5}, {3, 10, 0}, {2, 10, 0}, {1, 4, 1}, {7, 10, 0}, {4, 10, 0}}) {
            fakes_.random.values.push_back(fakes::FakeRandom::pick(value, range, offset));
        }
        windows_.show(form_);
        demo::settle();
        ASSERT_EQ(form_.Liste1[2], " 358");
    }

    bool dropDigitAt(int digit, const rt::Control& target) {
        return dropDigitAt(digit, centreOf(target));
    }
    bool dropDigitAt(int digit, QPoint at) {
        auto* button = static_cast<rtqt::CommandButtonWidget*>(
            window().widgetOf(*form_.ziffern()[static_cast<std::size_t>(digit)]));
        const auto data = button->dragData();
        QWindow* handle = window().windowHandle();
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &move);
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &drop);
        demo::settle();
        return drop.isAccepted() && drop.dropAction() != Qt::IgnoreAction;
    }
    void click(const rt::Control& c) {
        QTest::mouseClick(window().windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf(c));
        demo::settle();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window().windowHandle(), k, modifiers);
        demo::settle();
    }
    QString shown(const rt::Label& label) {
        return static_cast<QLabel*>(window().widgetOf(label))->text();
    }
    rtqt::FormWindow& window() { return *renderer_.windowOf(form_); }

    fakes::Fakes fakes_;
    rtqt::FormRenderer renderer_;
    rtqt::QtWindows windows_{renderer_};
    rt::Services services_{fakes_.dialogs, fakes_.printer, fakes_.clipboard,
                           fakes_.random,  fakes_.clock,   windows_};
    trainer::Form2 form_{services_};
};

TEST_F(TrainerRouting, ADigitDroppedOnAnAnswerCellIsJudgedAndShown) {
    EXPECT_TRUE(dropDigitAt(8, form_.Bezeichnung13));
    EXPECT_EQ(shown(form_.Bezeichnung13), "8");
    EXPECT_EQ(shown(form_.Bezeichnung22), "1");

    EXPECT_TRUE(dropDigitAt(4, form_.Bezeichnung12));
    EXPECT_EQ(shown(form_.Bezeichnung12), "");
    EXPECT_EQ(shown(form_.Bezeichnung23), "1");
    EXPECT_EQ(fakes_.dialogs.count("Fehler"), 1);
}

TEST_F(TrainerRouting, DropsOnWhatTakesNoDigitChangeNothing) {
    for (QPoint at : {centreOf(form_.Bezeichnung1), centreOf(form_.Bezeichnung20),
                      QPoint(100, 200) /* the board's background */, centreOf(form_.Figur2)}) {
        EXPECT_FALSE(dropDigitAt(5, at)) << at.x() << "," << at.y();
    }
    EXPECT_TRUE(fakes_.dialogs.boxes.empty());
    EXPECT_EQ(form_.Bezeichnung1.caption, "5");
    EXPECT_EQ(form_.Bezeichnung16, "");
}

TEST_F(TrainerRouting, ASelectedCellIsCoveredByTheMarkerWhichTakesTheDrop) {
    click(form_.Bezeichnung12);
    EXPECT_EQ(form_.tastenwert, "2");
    EXPECT_EQ(window().widgetOf(form_.tasten)->geometry().topLeft(), QPoint(280, 248));

    EXPECT_TRUE(dropDigitAt(3, form_.Bezeichnung12));  // lands on the marker: wrong
    EXPECT_EQ(form_.Bezeichnung12.caption, "");
    EXPECT_EQ(form_.tastenwert, "2");
    EXPECT_TRUE(dropDigitAt(5, form_.Bezeichnung12));
    EXPECT_EQ(shown(form_.Bezeichnung12), "5");
    EXPECT_EQ(form_.tastenwert, "");
    EXPECT_EQ(fakes_.dialogs.count("Fehler"), 1);
}

TEST_F(TrainerRouting, TypedDigitsReachTheWindowAndTheSpaceBarClicksNoButton) {
    click(form_.Befehl21);  // a button clicked last keeps no keyboard focus
    click(form_.Bezeichnung13);
    ASSERT_EQ(form_.tastenwert, "3");
    const std::string expected = form_.tastenzahl;
    key(Qt::Key_0, Qt::KeypadModifier);
    EXPECT_EQ(fakes_.dialogs.count("Fehler"), 1);
    key(Qt::Key_Space);
    EXPECT_EQ(fakes_.dialogs.count("Fehler"), 2);
    EXPECT_EQ(form_.tastenwert, "3") << "the space bar did not build a new exercise";
    key(static_cast<Qt::Key>(Qt::Key_0 + (expected[0] - '0')));
    EXPECT_EQ(shown(form_.Bezeichnung13), QString::fromStdString(expected));
}

TEST_F(TrainerRouting, TheGapPanelCoversTheBoardAndTakesTheDropsThere) {
    click(form_.Befehl13);
    ASSERT_EQ(form_.Bild6.top, trainer::kGapPanelShown);
    // Where the board's result cell lies, the panel's cells now take the drop.
    const std::string before = form_.Bezeichnung13.caption;
    int n = 1;
    while (!form_.luecken()[static_cast<std::size_t>(n - 1)]->caption.empty()) ++n;
    const rt::Label& gap = *form_.luecken()[static_cast<std::size_t>(n - 1)];
    click(gap);
    EXPECT_EQ(form_.tastenwert, std::to_string(trainer::kGapCodeOffset + n));
    const int digit = form_.tastenzahl[0] - '0';
    EXPECT_TRUE(dropDigitAt(digit, gap));  // onto the panel's marker
    EXPECT_EQ(shown(gap), QString::number(digit));
    EXPECT_EQ(form_.Bezeichnung13.caption, before);
    EXPECT_TRUE(fakes_.dialogs.boxes.empty());
}

}  // namespace
