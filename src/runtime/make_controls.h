#pragma once
// Short constructors for controls, so that a window's member list reads like its
// layout table: name, place, size, then the look.

#include <string>

#include "runtime/controls.h"

namespace rt {

inline Label makeLabel(std::string name, int left, int top, int width, int height, double fontSize,
                       Colour fore, Colour back, std::string caption = "",
                       Align alignment = Align::Centre) {
    Label l(std::move(name), left, top, width, height);
    l.font.size = fontSize;
    l.foreColor = fore;
    l.backColor = back;
    l.caption = std::move(caption);
    l.alignment = alignment;
    return l;
}

inline CommandButton makeButton(std::string name, std::string caption, int left, int top, int width,
                                int height, double fontSize) {
    CommandButton b(std::move(name), left, top, width, height);
    b.caption = std::move(caption);
    b.font.size = fontSize;
    return b;
}

inline PictureBox makePicture(std::string name, int left, int top, int width, int height,
                              Colour back, std::string icon = "") {
    PictureBox p(std::move(name), left, top, width, height);
    p.backColor = back;
    p.icon = std::move(icon);
    return p;
}

inline Shape makeBar(std::string name, int left, int top, int width, int height, Colour colour) {
    Shape s(std::move(name), left, top, width, height);
    s.fillColor = colour;
    s.borderColor = colour;
    return s;
}

inline Line makeLine(std::string name, int x1, int y1, int x2, int y2, int pixels, Colour colour) {
    Line l(std::move(name), x1, y1, x2, y2);
    l.borderWidth = pixels;
    l.borderColor = colour;
    return l;
}

}  // namespace rt
