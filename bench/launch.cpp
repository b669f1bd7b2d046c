// Starts a program with MINUSKOLONNE_BENCH set and reports, on one line:
//   startup_ms   from just before exec to the first painted frame it reports
//   peak_rss_kib its largest resident size over its whole life
//   idle_ticks   with --idle S: CPU clock ticks it used in S seconds after that
// Usage: bench_launch [--idle SECONDS] PROGRAM [ARGS...]

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// User plus system time of a process, in clock ticks.
long long cpuTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name, which is in parentheses and may hold spaces.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    long long utime = 0;
    long long stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::stoll(field);
        if (i == 15)
            stime = std::stoll(field);
    }
    return utime + stime;
}

}  // namespace

int main(int argc, char* argv[]) {
    int first = 1;
    double idleSeconds = 0;
    if (argc > 2 && std::strcmp(argv[1], "--idle") == 0) {
        idleSeconds = std::atof(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--idle SECONDS] PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }

    int out[2];
    if (pipe(out) != 0)
        return 1;
    const long long started = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("MINUSKOLONNE_BENCH", idleSeconds > 0 ? "stay" : "1", 1);
        execvp(argv[first], argv + first);
        _exit(127);
    }
    close(out[1]);

    FILE* reports = fdopen(out[0], "r");
    long long firstFrame = 0;
    char line[256];
    while (!firstFrame && std::fgets(line, sizeof line, reports)) {
        std::sscanf(line, "first-frame %lld", &firstFrame);
    }
    long long idleTicks = -1;
    if (firstFrame && idleSeconds > 0) {
        const long long before = cpuTicks(pid);
        std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
        idleTicks = cpuTicks(pid) - before;
        kill(pid, SIGTERM);
    }
    while (std::fgets(line, sizeof line, reports)) {
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!firstFrame) {
        std::fprintf(stderr, "%s reported no first frame\n", argv[first]);
        return 1;
    }
    std::printf("startup_ms=%.1f peak_rss_kib=%ld", (firstFrame - started) / 1e6, usage.ru_maxrss);
    if (idleTicks >= 0)
        std::printf(" idle_ticks=%lld", idleTicks);
    std::printf("\n");
    return 0;
}
