// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times whole processes from their start to their window's first paint: the
// program on its shipped pictures against a maximized Qt window with one word
// on it, the least that any window showing text costs here, in alternating
// runs so that all meet the same machine load, compared by their medians. An
// empty window runs alongside for reference: it never starts the font stack.
//
// usage: bench_startup [--runs=N]   (other arguments are ignored, so that it
// runs among the benchmark binaries)

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr double kGoal = 1.2;
// A process still running after this long is stuck, not slow.
constexpr unsigned kTimeoutSeconds = 20;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Milliseconds from fork to the exit of program, or nothing when it failed.
std::optional<double> timeOneRun(const char* program)
{
    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        // The alarm outlives exec and ends a process that never paints.
        alarm(kTimeoutSeconds);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return std::nullopt;
    const double elapsed = nowMs() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return elapsed;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int runsFrom(int argc, char** argv)
{
    int runs = 20;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--runs=", 7) == 0)
            runs = std::max(1, std::atoi(argv[i] + 7));
    return runs;
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("BRINDOLO_QUIT_AFTER_FIRST_PAINT", "1", 1);
    unsetenv("BRINDOLO_REPORT_AND_QUIT");
    const int runs = runsFrom(argc, argv);
    const char* programs[] = {BRINDOLO_PROGRAM, BRINDOLO_LABEL_WINDOW, BRINDOLO_EMPTY_WINDOW};
    constexpr int kPrograms = sizeof programs / sizeof programs[0];

    // One untimed run each brings the files into the page cache.
    for (const char* program : programs) {
        if (!timeOneRun(program)) {
            std::printf("%s did not come up and paint\n", program);
            std::printf("StartupToFirstPaint: not measured (goal <= %gx)\n", kGoal);
            return 1;
        }
    }
    std::vector<double> times[kPrograms];
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < kPrograms; ++p) {
            const std::optional<double> ms = timeOneRun(programs[p]);
            if (!ms) {
                std::printf("%s failed on run %d\n", programs[p], run + 1);
                std::printf("StartupToFirstPaint: not measured (goal <= %gx)\n", kGoal);
                return 1;
            }
            times[p].push_back(*ms);
        }
    }
    const double program = median(times[0]);
    const double label = median(times[1]);
    const double empty = median(times[2]);
    std::printf("Start-up to first paint, median of %d runs: brindolo %.1f ms, one-label window %.1f ms, "
                "empty window %.1f ms (brindolo %.3fx and one-label window %.3fx the empty one, for reference)\n",
                runs, program, label, empty, program / empty, label / empty);
    std::printf("StartupToFirstPaint: %.3fx (goal <= %gx)\n", program / label, kGoal);
    return 0;
}
