#pragma once
// A small window with one control of each kind and handlers that record what
// reached them, rendered by the real renderer with the real Qt services.

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/make_controls.h"
#include "runtime/qt/form_renderer.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/qt_windows.h"

namespace demo {

class DemoForm : public rt::Form {
  public:
    explicit DemoForm(std::string name = "Demo") : rt::Form(std::move(name), 3000, 2250) {
        caption = "Demo";
        backColor = 0x00FFC0C0;
        icon = "window";
        cell.onClick = [this] { journal.push_back("click:cell"); };
        cell.onDragDrop = [this](const rt::Control& s) {
            journal.push_back("drop:cell<-" + s.name);
        };
        cell.description = "Ergebnis, Zehner";
        marker.onClick = [this] { journal.push_back("click:marker"); };
        marker.onDragDrop = [this](const rt::Control& s) {
            journal.push_back("drop:marker<-" + s.name);
        };
        digit.dragOnPress = true;
        ok.onClick = [this] { journal.push_back("click:ok"); };
        inner.container = &box;
        list.lines = {"eins", "zwei"};
        tick.onTimer = [this] { ++ticks; };
        // The marker is listed before the cell it covers: picture boxes stand
        // in front of labels whatever the order.
        addControls({&back, &marker, &cell, &plain, &digit, &ok, &box, &inner, &line, &list, &check,
                     &bar, &tick, &parked});
    }

    void Form_Load() override { journal.push_back("load"); }
    void Form_Activate() override { journal.push_back("activate"); }
    // A top-row digit is written into the cell, as the trainer writes a typed digit.
    void Form_KeyDown(int keyCode) override {
        keys.push_back(keyCode);
        if (keyCode >= 48 && keyCode <= 57)
            cell.caption = std::string(1, static_cast<char>(keyCode));
    }
    void Form_Unload(bool& cancel) override {
        journal.push_back("unload");
        cancel = keepOpen;
    }

    int count(const std::string& entry) const {
        int n = 0;
        for (const auto& e : journal) n += e == entry;
        return n;
    }

    rt::Shape back = rt::makeBar("back", 300, 300, 2400, 1200, 0x000000);
    rt::PictureBox marker = rt::makePicture("marker", 600, 600, 495, 495, 0xFFFF80, "ball");
    rt::Label cell = rt::makeLabel("cell", 600, 600, 495, 495, 24, 0x800000, 0xFF8080, "7");
    rt::Label plain = rt::makeLabel("plain", 1500, 600, 495, 495, 24, 0x800000, 0xFF8080, "");
    rt::CommandButton digit = rt::makeButton("digit", "3", 150, 1650, 495, 495, 12);
    rt::CommandButton ok = rt::makeButton("ok", "OK", 750, 1650, 855, 495, 9.75);
    rt::PictureBox box = rt::makePicture("box", 1800, 1500, 1050, 600, 0x000000, "frame");
    rt::Label inner = rt::makeLabel("inner", 60, 120, 375, 255, 8.25, 0xFFFFFF, 0x008000, "0");
    rt::Line line = rt::makeLine("line", 150, 150, 2850, 150, 2, 0x0000FF);
    rt::ListBox list{"list", 2250, 300, 600, 600};
    rt::CheckBox check{"check", 2250, 1050, 600, 255};
    rt::ScrollBar bar{"bar", 150, 1200, 1200, 255};
    rt::Timer tick{"tick"};
    // Out of sight, as the windows keep their state fields.
    rt::Label parked = rt::makeLabel("parked", 9000, 6000, 495, 495, 12, 0, 0xFFFFFF, "5");

    std::vector<std::string> journal;
    std::vector<int> keys;
    int ticks = 0;
    bool keepOpen = false;
};

// The renderer and the window services around one demo form.
struct Rendered {
    rtqt::FormRenderer renderer;
    rtqt::QtWindows windows{renderer};
    rtqt::QtDialogs dialogs{renderer};
    DemoForm form;

    rtqt::FormWindow& window() { return *renderer.windowOf(form); }
    QWidget* widget(const rt::Control& control) { return window().widgetOf(control); }
};

// Lets the calls already queued (deferred drops, deletions) run.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs the event loop until the condition holds. The limit is far beyond any
// machine's slowness: reaching it means the event never came.
inline bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 30000);
}

// Acts on the next modal box from inside its event loop, as soon as it is open.
inline void whenBoxOpens(std::function<void(QWidget& box)> act) {
    auto* watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, [watch, act] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        watch->stop();
        watch->deleteLater();
        act(*box);
    });
    watch->start(0);
}

// Counts the ticks of a timer of the given interval, as a yardstick for how long
// another timer has had to tick.
class Yardstick {
  public:
    explicit Yardstick(int interval) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { ++ticks_; });
        timer_.start(interval);
    }
    // Runs the event loop until this yardstick has ticked n more times.
    bool waitTicks(int n) {
        const int until = ticks_ + n;
        return waitFor([this, until] { return ticks_ >= until; });
    }

  private:
    QTimer timer_;
    int ticks_ = 0;
};

}  // namespace demo
