// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time (process start to the main window's first paint) and peak memory of the
// program, measured side by side with a bare Qt Widgets window of the same size (the
// floor) and with that window showing one line of text (the floor plus the font system).
// The three programs are started in turn, round after round, so that whatever else the
// machine is doing weighs on all of them alike; the processor time each start used is
// reported too, as it depends less on that load than the elapsed time does. Each --lang CODE
// adds the program started in that language to the turns, compared with it in the
// environment's language: the cost of loading and showing a translation.
//   startup_bench [--lang CODE]... [--benchmark_...]     (offscreen unless TAVRENDALE_BENCH_DISPLAY=1)
#include "Medians.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kRounds = 30;

// A program in the turns: the name it is reported under, its file and its arguments.
struct Program {
    std::string name;
    std::string file;
    std::vector<std::string> arguments;
};

std::vector<Program>& Programs() {
    static std::vector<Program> programs = {{"floor", "startup_floor", {}},
                                            {"floor_text", "startup_floor_text", {}},
                                            {"tavrendale", "startup_tavrendale", {}}};
    return programs;
}

struct Sample {
    double milliseconds;
    double cpuMilliseconds; // user and system time of the whole process
    long peakKilobytes;
};

std::string ProgramFolder() {
    std::vector<char> path(4096);
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return ".";
    std::string self(path.data(), static_cast<std::size_t>(length));
    return self.substr(0, self.rfind('/'));
}

// Starts `program` with `arguments`, waits for its "painted" line and its end.
bool RunOnce(const std::string& program, const std::vector<std::string>& arguments, Sample& sample) {
    int out[2];
    if (::pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry)
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) environment.emplace_back(*entry);
    const char* display = std::getenv("TAVRENDALE_BENCH_DISPLAY");
    if (display == nullptr || std::strcmp(display, "1") != 0) environment.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string path = program;
    std::vector<std::string> words = arguments;
    std::vector<char*> argv = {path.data()};
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        return false;
    }
    std::string seen;
    char buffer[64];
    bool painted = false;
    while (!painted) {
        const ssize_t got = ::read(out[0], buffer, sizeof buffer);
        if (got <= 0) break;
        seen.append(buffer, static_cast<std::size_t>(got));
        painted = seen.find("painted\n") != std::string::npos;
    }
    const auto finished = std::chrono::steady_clock::now();
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    sample.milliseconds = std::chrono::duration<double, std::milli>(finished - started).count();
    const auto toMilliseconds = [](const timeval& time) { return time.tv_sec * 1000.0 + time.tv_usec / 1000.0; };
    sample.cpuMilliseconds = toMilliseconds(usage.ru_utime) + toMilliseconds(usage.ru_stime);
    sample.peakKilobytes = usage.ru_maxrss;
    return painted && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::map<std::string, std::vector<Sample>>& Samples() {
    static std::map<std::string, std::vector<Sample>> samples;
    return samples;
}

// Programs that could not be started or did not report their first paint.
std::map<std::string, std::string>& Failures() {
    static std::map<std::string, std::string> failures;
    return failures;
}

void MeasureInTurn() {
    for (int round = 0; round < kRounds; ++round)
        for (const Program& program : Programs()) {
            if (Failures().count(program.name) != 0) continue;
            const std::string file = ProgramFolder() + "/" + program.file;
            Sample sample{};
            if (RunOnce(file, program.arguments, sample))
                Samples()[program.name].push_back(sample);
            else
                Failures()[program.name] = "could not run " + file;
        }
}

// Takes each "--lang CODE" or "--lang=CODE" out of the arguments the benchmark library left,
// adding the program in that language to the turns; false for any other argument.
bool ReadLanguages(int argc, char** argv) {
    for (int at = 1; at < argc; ++at) {
        const std::string argument = argv[at];
        std::string code;
        if (argument == "--lang" && at + 1 < argc)
            code = argv[++at];
        else if (argument.rfind("--lang=", 0) == 0)
            code = argument.substr(7);
        else
            return false;
        Programs().push_back({"tavrendale_" + code, "startup_tavrendale", {"--lang", code}});
    }
    return true;
}

// Hands the samples taken in turn to the benchmark library, one per iteration.
void Startup(benchmark::State& state, const std::string& name) {
    if (const auto failure = Failures().find(name); failure != Failures().end()) {
        state.SkipWithError(failure->second.c_str());
        return;
    }
    const std::vector<Sample>& samples = Samples()[name];
    std::size_t next = 0;
    long peak = 0;
    double cpu = 0;
    for (auto _ : state) {
        const Sample& sample = samples[next++ % samples.size()];
        state.SetIterationTime(sample.milliseconds / 1000.0);
        peak = std::max(peak, sample.peakKilobytes);
        cpu += sample.cpuMilliseconds;
    }
    state.counters["peak_rss_kB"] = static_cast<double>(peak);
    state.counters["cpu_ms"] = cpu / static_cast<double>(next);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!ReadLanguages(argc, argv)) {
        std::fprintf(stderr, "usage: %s [--lang CODE]... [--benchmark_...]\n", argv[0]);
        return 2;
    }
    MeasureInTurn();
    for (const Program& program : Programs())
        benchmark::RegisterBenchmark(("Startup/" + program.name).c_str(), Startup, program.name)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(static_cast<benchmark::IterationCount>(Samples()[program.name].size()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const auto& program = Samples()["tavrendale"];
    if (program.empty()) return Failures().empty() ? 0 : 1;
    const auto median = [](const std::vector<Sample>& samples, auto field) {
        std::vector<double> values;
        for (const Sample& sample : samples) values.push_back(static_cast<double>(field(sample)));
        return Median(values);
    };
    const auto time = [](const Sample& sample) { return sample.milliseconds; };
    const auto cpu = [](const Sample& sample) { return sample.cpuMilliseconds; };
    const auto peak = [](const Sample& sample) { return sample.peakKilobytes; };
    const double programTime = median(program, time), programCpu = median(program, cpu),
                 programPeak = median(program, peak);
    for (const char* reference : {"floor", "floor_text"}) {
        const auto& samples = Samples()[reference];
        if (samples.empty()) continue;
        const double referenceTime = median(samples, time), referenceCpu = median(samples, cpu),
                     referencePeak = median(samples, peak);
        std::printf("\nagainst %-10s start to first paint: %.1f ms vs %.1f ms, ratio %.2f (target <= 1.30)\n",
                    reference, programTime, referenceTime, programTime / referenceTime);
        std::printf("                   processor time:      %.1f ms vs %.1f ms, ratio %.2f\n", programCpu,
                    referenceCpu, programCpu / referenceCpu);
        std::printf("                   peak memory:         %.0f kB vs %.0f kB, ratio %.2f (target <= 1.20)\n",
                    programPeak, referencePeak, programPeak / referencePeak);
    }
    for (const Program& translated : Programs()) {
        if (translated.arguments.empty() || Samples()[translated.name].empty()) continue;
        const auto& samples = Samples()[translated.name];
        const double languageTime = median(samples, time), languageCpu = median(samples, cpu);
        std::printf("\n%-18s start to first paint: %.1f ms vs %.1f ms, ratio %.3f (target <= 1.03)\n",
                    translated.name.c_str(), languageTime, programTime, languageTime / programTime);
        std::printf("                   processor time:      %.1f ms vs %.1f ms, ratio %.3f\n", languageCpu, programCpu,
                    languageCpu / programCpu);
    }
    return Failures().empty() ? 0 : 1;
}
