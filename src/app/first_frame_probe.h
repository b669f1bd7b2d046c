#pragma once
// Start-up measurement for bench/: with MINUSKOLONNE_BENCH=1 the program prints
// the moment its first frame has been painted (CLOCK_MONOTONIC, ns) and its peak
// resident size, then quits; with MINUSKOLONNE_BENCH=stay it prints and keeps
// running, so that its idle CPU use can be sampled. Header only, so that the
// bare comparison window of bench/ reports in exactly the same way.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace app {

class FirstFrameProbe : public QObject {
  public:
    // Does nothing unless the environment asks for a measurement.
    static void attachIfWanted(QWidget& window) {
        const char* mode = std::getenv("MINUSKOLONNE_BENCH");
        if (!mode || !*mode)
            return;
        new FirstFrameProbe(window, std::strcmp(mode, "stay") != 0);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // The window paints first and its controls after it, all before the
            // frame is flushed; the next turn of the event loop comes after that.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

  private:
    FirstFrameProbe(QWidget& window, bool quitAfter) : QObject(&window), quitAfter_(quitAfter) {
        window.installEventFilter(this);
    }

    void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first-frame %lld\npeak-rss-kib %ld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    usage.ru_maxrss);
        std::fflush(stdout);
        // exit, not quit: quit would first ask the windows to close.
        if (quitAfter_)
            QCoreApplication::exit(0);
    }

    bool quitAfter_;
    bool painted_ = false;
};

}  // namespace app
