#pragma once
// Ends the program cleanly when the desktop or a terminal asks it to (SIGTERM,
// SIGINT): the signal handler only writes the signal number into a socket pair,
// and the event loop reads it and leaves. Every box open at that moment closes
// with its loop, and no new box opens while the program is ending.

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace rtqt {

class QuitOnSignals : public QObject {
  public:
    // leave gets the exit code, 128 + the signal as a shell reports it; by default
    // the application's loop ends with it.
    explicit QuitOnSignals(std::function<void(int exitCode)> leave = {});
    ~QuitOnSignals() override;
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

  private:
    void readSignal();

    std::function<void(int)> leave_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// True from a caught signal on, until the catcher is gone: boxes then answer at once.
bool programEnding();

}  // namespace rtqt
