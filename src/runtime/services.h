#pragma once
// The services a window relies on, behind interfaces: the Qt adapter implements
// them for the real program, tests hand in scripted fakes.

#include <cmath>
#include <string>

#include "runtime/controls.h"

namespace rt {

class Form;

enum class Buttons { Ok, YesNo };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Yes, No };

struct MessageBox {
    std::string prompt;  // a carriage return starts a new line
    std::string title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool defaultNo = false;

    bool operator==(const MessageBox&) const = default;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Modal: returns when the box is closed. Closing a Yes/No box without choosing
    // answers No, the safe choice.
    virtual Answer msgBox(const MessageBox& box) = 0;
    // Modal: the text entered, or "" on Cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& preset) = 0;
    // Modal: asks where to save a file, proposing the given file name in the
    // user's documents folder; fileType describes the files offered, e.g.
    // "PDF-Dokumente (*.pdf)". The chosen path, or "" on Cancel.
    virtual std::string saveFileName(const std::string& title, const std::string& proposedName,
                                     const std::string& fileType) = 0;
};

// The default printer. Positions are twips from the top left of the page.
class Printer {
  public:
    virtual ~Printer() = default;
    virtual void setFont(const std::string& name, double size) = 0;
    virtual void setCurrentX(int x) = 0;
    virtual void setCurrentY(int y) = 0;
    // Prints the text and moves to the start of the next line ("" is an empty line);
    // a full page continues on the next.
    virtual void printLine(const std::string& text) = 0;
    // Sends the document; false when nothing could be printed (no printer, or the
    // spooler refused it).
    virtual bool endDoc() = 0;
    // Writes the document last ended, page by page as it would have been printed,
    // into a PDF file; false when the file could not be written.
    virtual bool saveAsPdf(const std::string& path) = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const std::string& text) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
};

class Random {
  public:
    virtual ~Random() = default;
    // Mixes the clock into the current state, so two re-seeds within one clock
    // reading still give different sequences.
    virtual void reseed() = 0;
    // Uniform, 0 <= r < 1.
    virtual double next() = 0;
};

// A whole number from offset to offset + range - 1, every one equally likely:
// the whole part of r * range, plus offset.
inline int drawWhole(Random& random, int range, int offset) {
    return offset + static_cast<int>(std::floor(range * random.next()));
}

// Drawing on a window, in points from the top left of its client area. Only the
// glyphs are painted, never a background box.
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void cls() = 0;
    virtual void setForeColor(Colour colour) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void printAt(double x, double y, const std::string& text) = 0;
};

// Screen and window management. Sizes are twips.
class Windows {
  public:
    virtual ~Windows() = default;
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
    // The outer size of a window, frame and title bar included.
    virtual int outerWidth(const Form& form) const = 0;
    virtual int outerHeight(const Form& form) const = 0;
    // Shows a window non-modally; the first show loads it.
    virtual void show(Form& form) = 0;
    virtual void hide(Form& form) = 0;
    virtual void unload(Form& form) = 0;
    virtual void setFocus(Control& control) = 0;
    virtual Canvas& canvas(Form& form) = 0;
    // Ends the program at once: every window closes, there is nothing to save.
    virtual void quit() = 0;
};

// Everything a window is handed when it is made.
struct Services {
    Dialogs& dialogs;
    Printer& printer;
    Clipboard& clipboard;
    Random& random;
    Clock& clock;
    Windows& windows;
};

}  // namespace rt
