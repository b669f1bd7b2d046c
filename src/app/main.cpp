// Minuskolonne: builds the services, opens the trainer window and runs the loop.

#include <unistd.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "app/command_line.h"
#include "app/first_frame_probe.h"
#include "app/quiet_environment.h"
#include "runtime/clock_random.h"
#include "runtime/qt/form_renderer.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_clipboard.h"
#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/qt_printer.h"
#include "runtime/qt/qt_windows.h"
#include "runtime/qt/quit_on_signals.h"
#include "runtime/system_clock.h"
#include "trainer/form2.h"

namespace {

// Different in every run, also for two starts within one clock tick.
std::uint64_t startingState() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(now) * 0x9E3779B97F4A7C15ull ^
           static_cast<std::uint64_t>(wall) ^ (static_cast<std::uint64_t>(getpid()) << 40);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before the application object exists, which needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (auto answer = app::answerCommandLine(arguments, MINUSKOLONNE_VERSION)) {
        std::fputs(answer->text.c_str(), answer->isError ? stderr : stdout);
        return answer->exitCode;
    }

    // The trainer has its own fixed look. Following the desktop's settings would
    // load the GTK platform theme on GNOME and XFCE desktops, which more than
    // doubles the start-up time and triples the memory the program needs.
    QGuiApplication::setDesktopSettingsAware(false);
    // Before anything that might start a session bus or write a file.
    app::quietEnvironment();
    QApplication application(argc, argv);
    // The desktop entry, the metainfo and the icons carry this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.minuskolonne.Minuskolonne"));
    // The trainer window is hidden while a game is shown; only its quit question
    // ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs (the file dialog for saving a sheet) speak German too.
    QTranslator qtGerman;
    if (qtGerman.load(QStringLiteral("qtbase_de"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);
    // SIGTERM and SIGINT end the loop, so the windows close as on "Ende".
    rtqt::QuitOnSignals quitOnSignals;

    rt::SystemClock clock;
    rt::ClockMixedRandom random(clock, startingState());
    rtqt::FormRenderer renderer;
    rtqt::QtWindows windows(renderer);
    rtqt::QtDialogs dialogs(renderer);
    rtqt::QtPrinter printer;
    rtqt::QtClipboard clipboard;
    rt::Services services{dialogs, printer, clipboard, random, clock, windows};

    trainer::Form2 trainerWindow(services);
    // The first show activates the window, which builds the first exercise.
    windows.show(trainerWindow);
    app::FirstFrameProbe::attachIfWanted(*renderer.windowOf(trainerWindow));
    return application.exec();
}
