// Start-up time of tessorin.exe against the plainest program that opens the same window (its
// yardstick, so that the ratio is what our own code costs), and for information against a window
// with eleven plain controls and the bare window: from process creation until the main window is
// visible and answers WM_GETTEXT. The four are started in turn, 17 times each.
#include "files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Target {
    const char* file;
    const char* arguments;
    const char* className;
    std::vector<double> milliseconds;
};

double Now(LARGE_INTEGER frequency) {
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The visible top-level window of this class that belongs to the process, or null.
HWND VisibleWindow(DWORD processId, const char* className) {
    for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

// Milliseconds from creating the process until its window answers; negative on failure.
double StartOnce(const Target& target, LARGE_INTEGER frequency) {
    std::string commandLine = "\"" + ProgramFolder() + target.file + "\" " + target.arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = Now(frequency);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    double elapsed = -1;
    char text[64];
    DWORD_PTR length = 0;
    while (Now(frequency) - start < 20000) {
        HWND window = VisibleWindow(process.dwProcessId, target.className);
        if (window != nullptr &&
            SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                SMTO_NORMAL, 5000, &length) != 0) {
            elapsed = Now(frequency) - start;
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        }
        SwitchToThread();
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main() {
    constexpr int RUNS = 17;
    constexpr double BUDGET = 1.05;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    Target targets[] = {{"tessorin.exe", "", "Tessorin", {}},
                        {"minimal_window.exe", "same", "Minimal", {}},
                        {"minimal_window.exe", "controls", "Minimal", {}},
                        {"minimal_window.exe", "", "Minimal", {}}};
    for (int run = 0; run < RUNS + 1; ++run) {
        for (Target& target : targets) {
            const double milliseconds = StartOnce(target, frequency);
            if (milliseconds < 0) {
                std::printf("%s did not start\n", target.file);
                return 2;
            }
            if (run > 0) { // the first round warms the caches
                target.milliseconds.push_back(milliseconds);
            }
        }
    }
    const double program = Median(targets[0].milliseconds);
    const double same = Median(targets[1].milliseconds);
    const double controls = Median(targets[2].milliseconds);
    const double bare = Median(targets[3].milliseconds);
    const double ratio = program / same;
    std::printf("start-up until the window answers (medians of %d, started in turn): "
                "tessorin.exe %.1f ms, the same window written plainly %.1f ms, ratio %.3f, budget "
                "%.2f: %s; for information: eleven plain controls %.1f ms (ratio %.2f), bare "
                "window %.1f ms (ratio %.2f)\n",
                RUNS, program, same, ratio, BUDGET, ratio <= BUDGET ? "within" : "OVER", controls,
                program / controls, bare, program / bare);
    return ratio <= BUDGET ? 0 : 1;
}
