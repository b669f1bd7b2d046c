#pragma once
// Controls are plain data: what a window shows is read from these structs by the
// renderer after every event, and tests read them directly. Positions and sizes
// are twips (15 twips per pixel at 96 dpi) and read back exactly as written.

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace rt {

// 24-bit colour written 0x00BBGGRR; the two system colours have the high bit set.
using Colour = std::uint32_t;
inline constexpr Colour kWindowBackground = 0x80000005;
inline constexpr Colour kWindowText = 0x80000008;

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = true;
    bool italic = false;
    bool underline = false;
};

enum class Kind {
    Label,
    CommandButton,
    PictureBox,
    ListBox,
    CheckBox,
    ScrollBar,
    Timer,
    Shape,
    Line
};
enum class Align { Left, Right, Centre };

// Sees every control made while it runs. A window lists its controls by hand next
// to declaring them; a test takes a census while the window is made and finds any
// control it declares but forgot to list.
class ControlCensus {
  public:
    ControlCensus() : outer_(current_) { current_ = this; }
    ~ControlCensus() { current_ = outer_; }
    ControlCensus(const ControlCensus&) = delete;
    ControlCensus& operator=(const ControlCensus&) = delete;

    // Carried by every control; made and copied with it, never assigned.
    class Mark {
      public:
        Mark() { note(this, true); }
        Mark(const Mark&) { note(this, true); }
        Mark& operator=(const Mark&) { return *this; }
        ~Mark() { note(this, false); }
    };

    // The marks of the controls made since the census began that still exist.
    const std::set<const Mark*>& alive() const { return alive_; }

  private:
    static void note(const Mark* mark, bool made) {
        if (!current_)
            return;
        if (made) {
            current_->alive_.insert(mark);
        } else {
            current_->alive_.erase(mark);
        }
    }
    static inline thread_local ControlCensus* current_ = nullptr;
    ControlCensus* outer_;
    std::set<const Mark*> alive_;
};

struct Control;
using ClickHandler = std::function<void()>;
using DropHandler = std::function<void(const Control& source)>;

struct Control {
    Control(Kind k, std::string controlName, int l, int t, int w, int h)
        : kind(k), name(std::move(controlName)), left(l), top(t), width(w), height(h) {}
    virtual ~Control() = default;
    Control(const Control&) = default;
    Control& operator=(const Control&) = default;

    Kind kind;
    std::string name;
    int left;
    int top;
    int width;
    int height;
    bool visible = true;
    bool enabled = true;
    // The picture box this control sits in; positions are then relative to it.
    Control* container = nullptr;
    // What a screen reader says: the name is the shown text, or this given name
    // for a control whose text is a sign or that shows none (a picture, a list);
    // the description is its short role ("Ergebnis, Zehner").
    std::string accessibleName;
    std::string description;
    // Spoken as the name while the control shows no text and has no given name:
    // a face-down card is still "Karte 7, verdeckt".
    std::string blankName;

    ClickHandler onClick;
    // Set only on controls that take drops: a drop anywhere else has no effect.
    DropHandler onDragDrop;

    ControlCensus::Mark censusMark;

    bool isWindowed() const {
        return kind != Kind::Label && kind != Kind::Shape && kind != Kind::Line &&
               kind != Kind::Timer;
    }
};

struct Label : Control {
    Label(std::string n, int l, int t, int w, int h)
        : Control(Kind::Label, std::move(n), l, t, w, h) {}
    std::string caption;
    Colour foreColor = kWindowText;
    Colour backColor = kWindowBackground;
    Font font;
    Align alignment = Align::Left;
    bool border = false;
};

struct CommandButton : Control {
    CommandButton(std::string n, int l, int t, int w, int h)
        : Control(Kind::CommandButton, std::move(n), l, t, w, h) {}
    std::string caption;
    Font font;
    // A drag starts as soon as the button is pressed (four-way-arrow pointer);
    // such a button never raises a click.
    bool dragOnPress = false;
};

struct PictureBox : Control {
    PictureBox(std::string n, int l, int t, int w, int h)
        : Control(Kind::PictureBox, std::move(n), l, t, w, h) {}
    Colour backColor = kWindowBackground;
    // Resource name of a 32 x 32 icon drawn at the top left, or empty.
    std::string icon;
    bool border = false;
};

struct ListBox : Control {
    ListBox(std::string n, int l, int t, int w, int h)
        : Control(Kind::ListBox, std::move(n), l, t, w, h) {}
    std::vector<std::string> lines;
    Font font;
    Colour foreColor = kWindowText;
    Colour backColor = kWindowBackground;
    void clear() { lines.clear(); }
    void addItem(std::string line) { lines.push_back(std::move(line)); }
    int listCount() const { return static_cast<int>(lines.size()); }
};

struct CheckBox : Control {
    CheckBox(std::string n, int l, int t, int w, int h)
        : Control(Kind::CheckBox, std::move(n), l, t, w, h) {}
    std::string caption;
    int value = 0;  // 0 unticked, 1 ticked
    Font font;
    Colour foreColor = kWindowText;
    Colour backColor = kWindowBackground;
};

struct ScrollBar : Control {
    ScrollBar(std::string n, int l, int t, int w, int h)
        : Control(Kind::ScrollBar, std::move(n), l, t, w, h) {}
    int min = 0;
    int max = 32767;
    int value = 0;
    int smallChange = 1;
    int largeChange = 1;
    ClickHandler onChange;  // value changed and the thumb was let go
    ClickHandler onScroll;  // the thumb is being dragged
};

struct Timer : Control {
    explicit Timer(std::string n) : Control(Kind::Timer, std::move(n), 0, 0, 0, 0) {
        visible = false;
    }
    int interval = 0;  // milliseconds; 0 never ticks
    ClickHandler onTimer;
};

struct Shape : Control {
    Shape(std::string n, int l, int t, int w, int h)
        : Control(Kind::Shape, std::move(n), l, t, w, h) {}
    Colour fillColor = 0x000000;
    Colour borderColor = 0x000000;
    int borderWidth = 1;  // pixels
    bool filled = true;
};

// A line from (x1, y1) to (x2, y2); its box fields are derived by the renderer.
struct Line : Control {
    Line(std::string n, int fromX, int fromY, int toX, int toY)
        : Control(Kind::Line, std::move(n), 0, 0, 0, 0), x1(fromX), y1(fromY), x2(toX), y2(toY) {}
    int x1, y1, x2, y2;
    int borderWidth = 1;  // pixels
    Colour borderColor = 0x000000;
};

}  // namespace rt
