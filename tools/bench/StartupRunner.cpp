// Runs the baseline and the settings start-up programs in turn, each a number
// of times, and prints the median wall time from process start to exit (both
// exit right after their first painted frame) and the median peak resident
// memory of each, and the ratios settings / baseline.
//
//   bench_startup [--runs N] [--display] [BASELINE SETTINGS]

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr unsigned RunTimeoutSeconds = 60;
// The build type of this program and of the two it runs, all from one build.
constexpr const char* BuildType = BENCH_BUILD_TYPE;

struct Options {
    int Runs = 20;
    bool UseDisplay = false;
    std::string Baseline;
    std::string Settings;
};

// One run, or the medians of many.
struct Measurement {
    double Milliseconds;
    double PeakMiB;
};

void Usage(std::ostream& out) {
    out << "usage: bench_startup [--runs N] [--display] [BASELINE SETTINGS]\n"
           "  --runs N     runs of each program (default 20), alternating\n"
           "  --display    run under the current DISPLAY instead of the offscreen platform\n"
           "  BASELINE SETTINGS  the two programs (default: bench_baseline and\n"
           "               bench_settings beside this program)\n";
}

std::string Sibling(const char* name) {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}

int PositiveNumber(const std::string& text) {
    std::size_t used = 0;
    int value = std::stoi(text, &used);
    if (used != text.size() || value <= 0)
        throw std::invalid_argument(text);
    return value;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            options.Runs = PositiveNumber(argv[++i]);
        else if (arg == "--display")
            options.UseDisplay = true;
        else if (arg == "-h" || arg == "--help") {
            Usage(std::cout);
            std::exit(0);
        } else if (!arg.starts_with("-"))
            programs.push_back(arg);
        else
            throw std::invalid_argument(arg);
    }
    if (programs.empty())
        programs = {Sibling("bench_baseline"), Sibling("bench_settings")};
    if (programs.size() != 2)
        throw std::invalid_argument("expected two programs");
    options.Baseline = programs[0];
    options.Settings = programs[1];
    return options;
}

// In the child: the platform to run on, output out of the way, then the program.
[[noreturn]] void StartChild(const std::string& program, bool useDisplay) {
    setenv("QT_QPA_PLATFORM", useDisplay ? "xcb" : "offscreen", 1);
    int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
    }
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

extern "C" void IgnoreAlarm(int) {}

// Waits for the child; a run that outlives the time-out is killed.
int WaitForChild(const std::string& program, pid_t child, rusage& usage) {
    int status = 0;
    bool killed = false;
    alarm(RunTimeoutSeconds);
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            throw std::runtime_error(std::string("wait4: ") + std::strerror(errno));
        kill(child, SIGKILL);
        killed = true;
    }
    alarm(0);
    if (killed)
        throw std::runtime_error(program + " still ran after " + std::to_string(RunTimeoutSeconds) +
                                 " s and was stopped");
    return status;
}

Measurement RunOnce(const std::string& program, bool useDisplay) {
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (child == 0)
        StartChild(program, useDisplay);
    rusage usage{};
    int status = WaitForChild(program, child, usage);
    auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " did not exit with status 0 (wait status " +
                                 std::to_string(status) + "); run it alone to see why");
    // ru_maxrss is in KiB on Linux.
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            double(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return (values[middle - 1] + values[middle]) / 2.0;
}

Measurement Summarise(const std::vector<Measurement>& samples) {
    std::vector<double> times;
    std::vector<double> peaks;
    for (const Measurement& sample : samples) {
        times.push_back(sample.Milliseconds);
        peaks.push_back(sample.PeakMiB);
    }
    return {Median(times), Median(peaks)};
}

void PrintRow(const char* name, double time, const char* timeUnit, double memory,
              const char* memoryUnit) {
    std::printf("%-20s %10.2f%-4s %10.2f%s\n", name, time, timeUnit, memory, memoryUnit);
}

// Qt's libraries are always optimised; an unoptimised build of the settings
// program would be measured against them at a disadvantage.
bool OptimisedBuild() {
    std::string type = BuildType;
    return type == "Release" || type == "RelWithDebInfo" || type == "MinSizeRel";
}

void Report(const Options& options, const Measurement& baseline, const Measurement& settings) {
    std::printf("start-up to first painted frame, median of %d runs each, %s, %s build\n",
                options.Runs, options.UseDisplay ? "on the X display" : "QT_QPA_PLATFORM=offscreen",
                *BuildType ? BuildType : "unnamed");
    std::printf("%-20s %14s %12s\n", "", "wall time", "peak RSS");
    PrintRow("baseline", baseline.Milliseconds, " ms", baseline.PeakMiB, " MiB");
    PrintRow("settings", settings.Milliseconds, " ms", settings.PeakMiB, " MiB");
    PrintRow("settings/baseline", settings.Milliseconds / baseline.Milliseconds, "",
             settings.PeakMiB / baseline.PeakMiB, "");
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    try {
        options = ParseOptions(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "bench_startup: bad arguments (" << error.what() << ")\n";
        Usage(std::cerr);
        return 2;
    }
    if (options.UseDisplay && !std::getenv("DISPLAY")) {
        std::cerr << "bench_startup: --display needs DISPLAY to be set\n";
        return 2;
    }
    struct sigaction onAlarm {};
    onAlarm.sa_handler = IgnoreAlarm; // no SA_RESTART: the alarm interrupts wait4
    sigaction(SIGALRM, &onAlarm, nullptr);

    std::vector<Measurement> baseline;
    std::vector<Measurement> settings;
    try {
        // One unmeasured run of each brings the programs and libraries into the page cache.
        RunOnce(options.Baseline, options.UseDisplay);
        RunOnce(options.Settings, options.UseDisplay);
        for (int run = 0; run < options.Runs; ++run) {
            baseline.push_back(RunOnce(options.Baseline, options.UseDisplay));
            settings.push_back(RunOnce(options.Settings, options.UseDisplay));
        }
    } catch (const std::exception& error) {
        std::cerr << "bench_startup: " << error.what() << '\n';
        return 1;
    }
    Report(options, Summarise(baseline), Summarise(settings));
    if (!OptimisedBuild())
        std::cerr << "bench_startup: warning: this is not an optimised build, so the ratios say "
                     "little; measure a RelWithDebInfo or Release build\n";
    return 0;
}
