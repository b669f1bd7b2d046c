#pragma once
// Scripted services for window tests: they answer from queues and record what the
// window asked for, in order.

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/services.h"

namespace rt {
// Lets a test failure show which box was seen.
inline void PrintTo(const MessageBox& box, std::ostream* out) {
    *out << "{\"" << box.prompt << "\", \"" << box.title << "\", buttons "
         << static_cast<int>(box.buttons) << ", icon " << static_cast<int>(box.icon)
         << (box.defaultNo ? ", No by default}" : "}");
}
}  // namespace rt

namespace fakes {

inline rt::MessageBox okBox(std::string prompt, std::string title) {
    return {std::move(prompt), std::move(title), rt::Buttons::Ok, rt::Icon::None, false};
}

class FakeDialogs : public rt::Dialogs {
  public:
    std::vector<rt::MessageBox> boxes;
    std::deque<rt::Answer> answers;     // empty: OK or No
    std::deque<std::string> inputs;     // empty: "" (Cancel)
    std::vector<std::string> presets;   // the pre-filled text of every input box
    std::deque<std::string> savePaths;  // empty: "" (Cancel)
    // Title, proposed name and file type of every save dialog.
    std::vector<std::vector<std::string>> saveDialogs;
    // Runs while a box is "open", to look at the window behind it.
    std::function<void(const rt::MessageBox&)> whileOpen;
    // The order of everything that happened, shared with other fakes if wanted.
    std::vector<std::string>* journal = nullptr;

    rt::Answer msgBox(const rt::MessageBox& box) override {
        boxes.push_back(box);
        if (journal)
            journal->push_back("box:" + box.title);
        if (whileOpen)
            whileOpen(box);
        if (!answers.empty()) {
            rt::Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return box.buttons == rt::Buttons::Ok ? rt::Answer::Ok : rt::Answer::No;
    }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& preset) override {
        boxes.push_back({prompt, title, rt::Buttons::Ok, rt::Icon::None, false});
        presets.push_back(preset);
        if (journal)
            journal->push_back("input:" + title);
        if (inputs.empty())
            return "";
        std::string s = inputs.front();
        inputs.pop_front();
        return s;
    }
    std::string saveFileName(const std::string& title, const std::string& proposedName,
                             const std::string& fileType) override {
        saveDialogs.push_back({title, proposedName, fileType});
        if (journal)
            journal->push_back("save:" + title);
        if (savePaths.empty())
            return "";
        std::string s = savePaths.front();
        savePaths.pop_front();
        return s;
    }
    int count(const std::string& title) const {
        int n = 0;
        for (const auto& b : boxes) n += b.title == title;
        return n;
    }
};

// Plays back the given numbers, then a fixed cycle of well-spread numbers (so a
// generator that rejects draws always finds one it accepts); re-seeds are counted.
class FakeRandom : public rt::Random {
  public:
    std::deque<double> values;
    double fallback = -1.0;  // when not negative: the number given after the queue
    int reseeds = 0;
    void reseed() override { ++reseeds; }
    double next() override {
        if (values.empty() && fallback >= 0.0)
            return fallback;
        if (values.empty()) {
            cycle_ = (cycle_ + 7) % 31;  // 7 and 31 are coprime: every step of 1/31 comes round
            return (cycle_ + 0.5) / 31.0;
        }
        double v = values.front();
        values.pop_front();
        return v;
    }
    // The r that floor(n * r) + offset turns into the given value.
    static double pick(int value, int n, int offset = 0) { return (value - offset + 0.5) / n; }

  private:
    int cycle_ = 0;
};

class FakeClock : public rt::Clock {
  public:
    double seconds = 36000.0;
    double secondsSinceMidnight() const override { return seconds; }
};

class FakeCanvas : public rt::Canvas {
  public:
    struct Text {
        double x, y;
        std::string text;
        rt::Colour colour;
        double size;
    };
    std::vector<Text> texts;
    rt::Colour colour = 0;
    double size = 8.25;
    int clears = 0;
    void cls() override {
        ++clears;
        texts.clear();
    }
    void setForeColor(rt::Colour c) override { colour = c; }
    void setFontSize(double s) override { size = s; }
    void printAt(double x, double y, const std::string& t) override {
        texts.push_back({x, y, t, colour, size});
    }
};

class FakeWindows : public rt::Windows {
  public:
    int screenW = 1024 * 15;
    int screenH = 768 * 15;
    int frameW = 8 * 15;             // frame on left and right together
    int frameH = 30 * 15;            // title bar and frame
    std::vector<std::string> calls;  // "show:Form2", "hide:Form4", "quit", ...
    std::map<const rt::Form*, FakeCanvas> canvases;
    bool quitCalled = false;

    int screenWidth() const override { return screenW; }
    int screenHeight() const override { return screenH; }
    int outerWidth(const rt::Form& f) const override { return f.width + frameW; }
    int outerHeight(const rt::Form& f) const override { return f.height + frameH; }
    void show(rt::Form& f) override { calls.push_back("show:" + f.name); }
    void hide(rt::Form& f) override { calls.push_back("hide:" + f.name); }
    // As the real windows do: the form may cancel; otherwise it is gone.
    void unload(rt::Form& f) override {
        calls.push_back("unload:" + f.name);
        bool cancel = false;
        f.Form_Unload(cancel);
        if (!cancel && f.whenUnloaded)
            f.whenUnloaded();
    }
    void setFocus(rt::Control& c) override { calls.push_back("focus:" + c.name); }
    rt::Canvas& canvas(rt::Form& f) override { return canvases[&f]; }
    void quit() override {
        quitCalled = true;
        calls.push_back("quit");
    }
};

class FakePrinter : public rt::Printer {
  public:
    std::vector<std::string> lines;
    std::string fontName;
    double fontSize = 0;
    int documents = 0;
    bool works = true;
    // Lines of the document last ended, and the PDF files it was written to.
    std::vector<std::string> lastDocument;
    std::vector<std::string> pdfFiles;
    bool pdfWorks = true;
    void setFont(const std::string& n, double s) override {
        fontName = n;
        fontSize = s;
    }
    int currentX = -1;  // -1: never set
    int currentY = -1;
    void setCurrentX(int x) override { currentX = x; }
    void setCurrentY(int y) override { currentY = y; }
    void printLine(const std::string& t) override { lines.push_back(t); }
    bool endDoc() override {
        ++documents;
        lastDocument.assign(lines.begin() + static_cast<std::ptrdiff_t>(documentStart_),
                            lines.end());
        documentStart_ = lines.size();
        return works;
    }
    bool saveAsPdf(const std::string& path) override {
        if (!pdfWorks)
            return false;
        pdfFiles.push_back(path);
        return true;
    }

  private:
    std::size_t documentStart_ = 0;
};

class FakeClipboard : public rt::Clipboard {
  public:
    std::string text;
    void clear() override { text.clear(); }
    void setText(const std::string& t) override { text = t; }
};

// All fakes in one place, handed to a window as its services.
struct Fakes {
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeClipboard clipboard;
    FakeRandom random;
    FakeClock clock;
    FakeWindows windows;
    rt::Services services{dialogs, printer, clipboard, random, clock, windows};
};

}  // namespace fakes
