// Starts the program and the baseline under the same conditions and prints the median of each
// figure over the runs, one "figure.subject value" line each, for bench/run to tabulate.
// Usage: Measure RUNS IDLE_SECONDS
#include "Copy.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using hx::bench::TCopy;

struct TSubject {
    const char* Key;
    const wchar_t* Exe;
    const wchar_t* MainClass;
    // The class of the window that owns the tray icon.
    const wchar_t* IconOwnerClass;
};

const TSubject Program{"program", L"hushlet2.exe", L"TMainForm", L"THushletUtilWindow"};
const TSubject Baseline{"baseline", L"Baseline.exe", L"THushletBaseline", L"THushletBaseline"};

constexpr DWORD Patience = 30000;
// Lets start-up work (fonts, the first device look-up) finish before idling is measured.
constexpr DWORD SettleMs = 2000;
// Time for bench/run to read the figures of the copies after the idle period's end mark.
constexpr DWORD MarkGraceMs = 1000;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Print(const char* figure, const char* subject, double value) {
    std::printf("%s.%s %.3f\n", figure, subject, value);
    std::fflush(stdout);
}

// Runs one measurement runs times for each subject, taking turns so that both meet the same
// machine load, and prints the medians; false when a run failed.
bool Figure(const char* figure, int runs, const std::vector<TSubject>& subjects,
            const std::function<double(const TSubject&)>& run) {
    std::vector<std::vector<double>> values(subjects.size());
    for (int i = 0; i < runs; ++i)
        for (std::size_t k = 0; k < subjects.size(); ++k) {
            const double value = run(subjects[k]);
            if (value < 0) {
                std::fprintf(stderr, "%s.%s: run %d failed\n", figure, subjects[k].Key, i + 1);
                return false;
            }
            values[k].push_back(value);
            Sleep(300);
        }
    for (std::size_t k = 0; k < subjects.size(); ++k)
        Print(figure, subjects[k].Key, Median(values[k]));
    return true;
}

double TrayStartup(const TSubject& s) {
    TCopy copy(s.Exe, L"");
    const double ms = copy.WaitIcon(s.IconOwnerClass, Patience) ? copy.Elapsed() : -1;
    copy.Close(s.MainClass);
    return ms;
}

double WindowStartup(const TSubject& s) {
    TCopy copy(s.Exe, L"/w");
    const double ms = copy.WaitWindow(s.MainClass, Patience) ? copy.Elapsed() : -1;
    copy.Close(s.MainClass);
    return ms;
}

double OneShot(const TSubject& s) {
    TCopy copy(s.Exe, L"/t");
    return copy.WaitExit(Patience) ? copy.Elapsed() : -1;
}

// Both resident side by side over the same period, so that both see the same machine load.
// Wine answers no CPU times for other processes, so the period is marked on the output
// ("idle.begin", "idle.end") and bench/run reads the kernel's scheduler figures of both copies
// meanwhile; they stay running for a moment after the end mark.
bool Idle(int runs, DWORD seconds) {
    const TSubject subjects[2] = {Program, Baseline};
    std::vector<double> memory[2];
    for (int i = 0; i < runs; ++i) {
        TCopy program(Program.Exe, L""), baseline(Baseline.Exe, L"");
        TCopy* copies[2] = {&program, &baseline};
        if (!program.WaitIcon(Program.IconOwnerClass, Patience) ||
            !baseline.WaitIcon(Baseline.IconOwnerClass, Patience)) {
            std::fprintf(stderr, "idle: run %d: a copy did not show its icon\n", i + 1);
            return false;
        }
        Sleep(SettleMs);
        Print("idle", "begin", i + 1);
        Sleep(seconds * 1000);
        Print("idle", "end", i + 1);
        Sleep(MarkGraceMs);
        for (int k = 0; k < 2; ++k) {
            memory[k].push_back(copies[k]->WorkingSetKiB());
            copies[k]->Close(subjects[k].MainClass);
        }
    }
    for (int k = 0; k < 2; ++k)
        Print("working_set_kib", subjects[k].Key, Median(memory[k]));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: Measure RUNS IDLE_SECONDS\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const DWORD seconds = DWORD(std::max(1, std::atoi(argv[2])));
    bool ok = true;
    ok = Figure("tray_startup_ms", runs, {Program, Baseline}, TrayStartup) && ok;
    ok = Figure("window_startup_ms", runs, {Program, Baseline}, WindowStartup) && ok;
    ok = Figure("oneshot_ms", runs, {Program, Baseline}, OneShot) && ok;
    ok = Idle(runs, seconds) && ok;
    return ok ? 0 : 1;
}
