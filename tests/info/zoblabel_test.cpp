// The info window: its controls, where it goes on activation, and how "O k a y",
// the cross picture and the close box treat the print-lock switch.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "info/zoblabel.h"

namespace {

class InfoWindow : public ::testing::Test {
  protected:
    fakes::Fakes f;
    info::ZOBLABEL form{f.services};
};

TEST_F(InfoWindow, IsMadeWithItsControlsAndTheSwitchTicked) {
    EXPECT_EQ(form.caption, "Programm-Info");
    EXPECT_EQ(form.width, 3510);
    EXPECT_EQ(form.height, 4005);
    EXPECT_EQ(form.backColor, 0xFFC0C0u);
    EXPECT_EQ(form.borderStyle, rt::BorderStyle::Dialog);
    EXPECT_EQ(form.icon, "window");

    EXPECT_EQ(form.Kontroll1.value, 1);
    EXPECT_TRUE(form.druckGesperrt());
    EXPECT_EQ(form.Kontroll1.caption, "  Druckmodus deaktivieren");
    EXPECT_EQ(form.Bezeichnung5.caption, "Minuskolonne");
    EXPECT_TRUE(form.Bezeichnung5.font.underline);
    EXPECT_EQ(form.Bezeichnung1.caption, "O k a y");
    EXPECT_TRUE(form.Bezeichnung1.font.italic);
    EXPECT_EQ(form.Bild1.icon, "cross");
    EXPECT_TRUE(form.Bezeichnung7.border);

    struct Place {
        const rt::Control* control;
        int left, top, width, height;
    };
    for (const Place& p :
         {Place{&form.Bezeichnung5, 240, 240, 3015, 495},
          Place{&form.Bezeichnung6, 240, 720, 3015, 975},
          Place{&form.Bezeichnung7, 240, 1800, 3015, 495},
          Place{&form.Kontroll1, 240, 2400, 3135, 255},
          Place{&form.Bezeichnung1, 240, 2880, 2175, 495}, Place{&form.Bild1, 2400, 2880, 855, 495},
          Place{&form.Bezeichnung8, 120, 3600, 3255, 255},
          Place{&form.Figur1, 120, 120, 3255, 3375}}) {
        EXPECT_EQ(p.control->left, p.left) << p.control->name;
        EXPECT_EQ(p.control->top, p.top) << p.control->name;
        EXPECT_EQ(p.control->width, p.width) << p.control->name;
        EXPECT_EQ(p.control->height, p.height) << p.control->name;
    }
    EXPECT_EQ(form.controls().front(), &form.Figur1) << "the panel stands behind the rest";
}

TEST_F(InfoWindow, EveryActivationPlacesItCentredAcrossAtAQuarterOfTheFreeHeight) {
    const int expectedLeft = (f.windows.screenW - (3510 + f.windows.frameW)) / 2;
    const int expectedTop = (f.windows.screenH - (4005 + f.windows.frameH)) / 4;
    form.Form_Activate();
    EXPECT_EQ(form.left, expectedLeft);
    EXPECT_EQ(form.top, expectedTop);
    form.left = 15;  // dragged away
    form.top = 9000;
    form.Form_Activate();
    EXPECT_EQ(form.left, expectedLeft);
    EXPECT_EQ(form.top, expectedTop);
}

TEST_F(InfoWindow, TheNoticesAreFilledOnActivation) {
    form.Form_Activate();
    const std::string& terms = form.Bezeichnung6.caption;
    EXPECT_NE(terms.find("Schule"), std::string::npos);
    EXPECT_NE(terms.find("keine Daten"), std::string::npos);
    EXPECT_NE(terms.find("\r\n"), std::string::npos) << "the third piece on a line of its own";
    const std::string& maker = form.Bezeichnung7.caption;
    EXPECT_NE(maker.find("Minuskolonne"), std::string::npos);
    EXPECT_NE(maker.find("\r\n"), std::string::npos);
    EXPECT_NE(maker.find("README"), std::string::npos);
}

TEST_F(InfoWindow, OkayAndTheCrossOnlyHideItAndTheSwitchKeepsItsValue) {
    for (auto close : {&info::ZOBLABEL::Bezeichnung1_Click, &info::ZOBLABEL::Bild1_Click}) {
        f.windows.calls.clear();
        form.Kontroll1.value = 0;
        (form.*close)();
        EXPECT_EQ(f.windows.calls, std::vector<std::string>{"hide:ZOBLABEL"});
        EXPECT_EQ(form.Kontroll1.value, 0);
    }
    EXPECT_TRUE(form.Bezeichnung1.onClick && form.Bild1.onClick) << "both answer a click";
}

TEST_F(InfoWindow, TheCloseBoxHidesItAndLetsTheUnloadGoOn) {
    bool cancel = true;
    form.Form_Unload(cancel);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(f.windows.calls, std::vector<std::string>{"hide:ZOBLABEL"});
}

}  // namespace
