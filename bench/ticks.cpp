// Tick benchmark of the catching game, run by bench/ticks.sh under Xvfb: the
// real trainer and game windows on the real renderer, only the boxes answered
// at once. Reports the median and worst of 1,000 ticks (the window's handler
// plus the repaint of what it drew), then the CPU the trainer uses in 2 s of
// idling after the game has been left (the timer must be off). With --shots
// DIR it also saves pictures of the screen in the states worth looking at.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/clock_random.h"
#include "runtime/qt/form_renderer.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_clipboard.h"
#include "runtime/qt/qt_printer.h"
#include "runtime/qt/qt_windows.h"
#include "runtime/system_clock.h"
#include "trainer/form2.h"

namespace {

// Every box answered at once: OK, or Ja to the quit question.
class AnsweringDialogs : public rt::Dialogs {
  public:
    rt::Answer msgBox(const rt::MessageBox& box) override {
        return box.buttons == rt::Buttons::Ok ? rt::Answer::Ok : rt::Answer::Yes;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
    std::string saveFileName(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
};

long long ownCpuTicks() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    long long total = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14 || i == 15)
            total += std::stoll(field);
    }
    return total;
}

void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString shots = argc > 2 && QString(argv[1]) == "--shots" ? QString(argv[2]) : QString();
    auto shoot = [&](const char* name) {
        if (shots.isEmpty())
            return;
        // The X server shows a paint only after a round trip or two.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QDir().mkpath(shots);
        QGuiApplication::primaryScreen()->grabWindow(0).save(shots + "/" + name + ".png");
    };

    rt::SystemClock clock;
    rt::ClockMixedRandom random(clock, 4711);
    rtqt::FormRenderer renderer;
    rtqt::QtWindows windows(renderer);
    AnsweringDialogs dialogs;
    rtqt::QtPrinter printer;
    rtqt::QtClipboard clipboard;
    rt::Services services{dialogs, printer, clipboard, random, clock, windows};
    trainer::Form2 trainer(services);
    windows.show(trainer);
    settle();

    renderer.dispatch([&] { trainer.Bezeichnung26_Click(); });
    games::Form4& game = trainer.Form4.get();
    games::Modul1& m = trainer.modul1;
    rtqt::FormWindow& window = *renderer.windowOf(game);
    // Ticks come from here, not from the timer.
    renderer.dispatch([&] { game.Zeit1.enabled = false; });
    settle();

    for (int i = 0; i < 5; ++i) renderer.dispatch(game.Zeit1.onTimer);
    shoot("1-after-five-ticks");
    auto steerToTarget = [&] {
        const int column = m.zahlspalte[1], row = m.zahlzeile[1];
        while (m.kreuzspalte > column) renderer.dispatch(game.Bild1.onClick);
        while (m.kreuzspalte < column) renderer.dispatch(game.Bild4.onClick);
        while (m.kreuzzeile > row) renderer.dispatch(game.Bild2.onClick);
        while (m.kreuzzeile < row) renderer.dispatch(game.Bild3.onClick);
    };
    steerToTarget();
    steerToTarget();
    shoot("2-after-two-catches");
    renderer.dispatch([&] {
        game.HBildlauf1.value = 1;
        game.HBildlauf1_Change();
    });
    shoot("3-speed-fast");
    renderer.dispatch([&] {
        game.HBildlauf1.value = 10;
        game.HBildlauf1_Change();
    });
    shoot("4-speed-slow");

    std::vector<double> micros;
    QElapsedTimer watch;
    for (int i = 0; i < 1000; ++i) {
        if (m.fangzahlen.empty()) {  // a game caught to the end by chance: the next one
            renderer.dispatch([&] { trainer.Bezeichnung26_Click(); });
            renderer.dispatch([&] { game.Zeit1.enabled = false; });
            settle();
        }
        watch.start();
        renderer.dispatch(game.Zeit1.onTimer);
        // The repaint of what the tick drew, now rather than at the next frame.
        QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
        micros.push_back(watch.nsecsElapsed() / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("ticks=1000 median_us=%.1f worst_us=%.1f\n", micros[micros.size() / 2],
                micros.back());

    // Leaving the game the child's way: Esc, answered Ja.
    int lateTicks = 0;
    game.Zeit1.onTimer = [&] { ++lateTicks; };
    renderer.dispatch([&] { game.Zeit1.enabled = true; });
    renderer.dispatch([&] { game.Form_KeyDown(27); });
    settle();
    const long long before = ownCpuTicks();
    QTimer::singleShot(2000, &application, [] { QCoreApplication::exit(0); });
    application.exec();
    std::printf("idle_after_game_cpu_ticks=%lld timer_ticks=%d trainer_shown=%d\n",
                ownCpuTicks() - before, lateTicks, renderer.windowOf(trainer)->isVisible() ? 1 : 0);

    if (!shots.isEmpty()) {
        renderer.dispatch([&] { trainer.Bezeichnung28_Click(); });
        games::Memo& memo = trainer.memo.get();
        renderer.dispatch([&] { memo.Bezeichnung_Click(1); });
        const char d = memo.Bezeichnung21[0];
        int twin = 0, other = 0, third = 0;
        for (int n = 2; n <= 18; ++n) {
            const char c = memo.Bezeichnung21[static_cast<std::size_t>(n - 1)];
            if (c == d)
                twin = n;
            else if (!other)
                other = n;
            else if (!third && c != memo.Bezeichnung21[static_cast<std::size_t>(other - 1)])
                third = n;
        }
        renderer.dispatch([&] { memo.Bezeichnung_Click(twin); });
        renderer.dispatch([&] { memo.Bezeichnung_Click(other); });
        renderer.dispatch([&] { memo.Bezeichnung_Click(third); });
        shoot("5-memory-one-pair-two-open");
    }
    return 0;
}
