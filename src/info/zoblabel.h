#pragma once
// The info window: the program's title, its terms of use, who makes it, and the
// print-lock switch. While the switch is ticked, printing a worksheet needs the
// code word. The window keeps the switch for as long as it exists, hidden or
// shown; closing it through its title bar destroys it and the switch with it.

#include "runtime/colours.h"
#include "runtime/form.h"
#include "runtime/make_controls.h"
#include "runtime/services.h"

namespace info {

inline constexpr rt::Colour kPanelBlue = rt::kLightBlue;
using rt::kBlack;
using rt::kDarkBlue;
using rt::kWhite;
using rt::kWindowPink;

class ZOBLABEL : public rt::Form {
  public:
    explicit ZOBLABEL(rt::Services& services);

    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void Bezeichnung1_Click();  // "O k a y"
    void Bild1_Click();         // the cross picture

    // The switch reads 1 while printing is locked.
    bool druckGesperrt() const { return Kontroll1.value == 1; }

    rt::Shape Figur1 = rt::makeBar("Figur1", 120, 120, 3255, 3375, kPanelBlue);
    rt::Label Bezeichnung5 = titleLabel();
    rt::Label Bezeichnung6 = noticeLabel();
    rt::Label Bezeichnung7 = makerLabel();
    rt::CheckBox Kontroll1 = lockSwitch();
    rt::Label Bezeichnung1 = okayLabel();
    rt::PictureBox Bild1 = rt::makePicture("Bild1", 2400, 2880, 855, 495, kPanelBlue, "cross");
    rt::Label Bezeichnung8 = addressLabel();

  private:
    // Names and roles for screen readers.
    void nameForScreenReaders();
    static rt::Label titleLabel();
    static rt::Label noticeLabel();
    static rt::Label makerLabel();
    static rt::CheckBox lockSwitch();
    static rt::Label okayLabel();
    static rt::Label addressLabel();

    rt::Services& services_;
};

}  // namespace info
