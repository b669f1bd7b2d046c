#include "runtime/qt/quit_on_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace rtqt {

namespace {

int pair_[2] = {-1, -1};
std::atomic<bool> ending{false};
constexpr int kSignals[] = {SIGTERM, SIGINT};

extern "C" void onSignal(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    // Nothing else is safe in a signal handler; a full socket drops the repeat.
    [[maybe_unused]] const ssize_t written = ::write(pair_[0], &byte, 1);
    errno = saved;
}

}  // namespace

bool programEnding() {
    return ending.load();
}

QuitOnSignals::QuitOnSignals(std::function<void(int)> leave) : leave_(std::move(leave)) {
    if (!leave_)
        leave_ = [](int code) { QCoreApplication::exit(code); };
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair_) != 0)
        return;  // no way to hear signals: they keep their default, ending the program
    notifier_ = std::make_unique<QSocketNotifier>(pair_[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readSignal(); });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals) sigaction(number, &action, nullptr);
}

QuitOnSignals::~QuitOnSignals() {
    for (int number : kSignals) std::signal(number, SIG_DFL);
    notifier_.reset();
    for (int& end : pair_) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
    ending = false;
}

void QuitOnSignals::readSignal() {
    unsigned char byte = 0;
    if (::read(pair_[1], &byte, 1) != 1)
        return;
    ending = true;
    leave_(128 + byte);
}

}  // namespace rtqt
