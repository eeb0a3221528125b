// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the start-up probe and the floor program in turn, run by run, and compares the median
// time from spawning each to its first flushed paint, and the median peak resident set.
//   dicemere-bench-startup PROBE FLOOR RUNS
#include "clock.h"
#include "report.h"
#include "stats.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Sample
{
    double milliseconds = 0;
    double peakMiB = 0;
};

std::string readAll(int fd)
{
    std::string text;
    std::array<char, 256> buffer {};
    ssize_t count = 0;
    while ((count = read(fd, buffer.data(), buffer.size())) > 0)
        text.append(buffer.data(), size_t(count));
    return text;
}

Sample runOnce(const char *program)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const qint64 start = bench::stampNs();
    if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program);
        std::exit(2);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    const std::string painted = readAll(out[0]);
    close(out[0]);
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || painted.empty()) {
        std::fprintf(stderr, "%s did not report a first paint\n", program);
        std::exit(2);
    }
    return {bench::toMs(std::stoll(painted) - start), double(usage.ru_maxrss) / 1024.0};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: dicemere-bench-startup PROBE FLOOR RUNS\n");
        return 2;
    }
    const int runs = std::atoi(argv[3]);
    const std::array<const char *, 2> programs = {argv[1], argv[2]};
    // Two rounds first fill the page cache and font caches; they are not counted.
    constexpr int warmUp = 2;
    std::array<std::vector<double>, 2> times;
    std::array<std::vector<double>, 2> peaks;
    for (int run = 0; run < warmUp + runs; ++run) {
        // ABBA order, so neither program always runs right after the other.
        for (int slot = 0; slot < 2; ++slot) {
            const int which = run % 2 == 0 ? slot : 1 - slot;
            const Sample sample = runOnce(programs[size_t(which)]);
            std::fprintf(stderr, "run %d %s: %.1f ms, %.1f MiB\n", run,
                         which == 0 ? "ours" : "floor", sample.milliseconds, sample.peakMiB);
            if (run >= warmUp) {
                times[size_t(which)].push_back(sample.milliseconds);
                peaks[size_t(which)].push_back(sample.peakMiB);
            }
        }
    }
    const double oursTime = bench::median(times[0]);
    const double floorTime = bench::median(times[1]);
    const double oursPeak = bench::median(peaks[0]);
    const double floorPeak = bench::median(peaks[1]);
    const QString count = QStringLiteral(", median of %1 each").arg(runs);
    bench::printRow(QStringLiteral("Start-up, spawn to first paint: ours / floor"),
                    QStringLiteral("%1 (%2 / %3 ms%4)")
                        .arg(bench::number(oursTime / floorTime, 3), bench::number(oursTime, 1),
                             bench::number(floorTime, 1), count),
                    QStringLiteral("<= 1.10"), bench::meets(oursTime / floorTime <= 1.10));
    bench::printRow(QStringLiteral("Peak RSS to first paint: ours / floor"),
                    QStringLiteral("%1 (%2 / %3 MiB%4)")
                        .arg(bench::number(oursPeak / floorPeak, 3), bench::number(oursPeak, 1),
                             bench::number(floorPeak, 1), count),
                    QStringLiteral("<= 1.10"), bench::meets(oursPeak / floorPeak <= 1.10));
    return 0;
}
