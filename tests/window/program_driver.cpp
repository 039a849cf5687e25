#include "program_driver.h"

#include <stdexcept>

namespace {

// The visible window of the class and title "Tessorin" that the process shows, once it appears
// (waiting as WaitUntil does); null where it does not.
HWND FindProgramWindow(DWORD processId) {
    HWND found = nullptr;
    WaitUntil([&found, processId] {
        for (found = FindWindowExA(nullptr, nullptr, "Tessorin", "Tessorin"); found != nullptr;
             found = FindWindowExA(nullptr, found, "Tessorin", "Tessorin")) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == processId && IsWindowVisible(found)) {
                return true;
            }
        }
        return false;
    });
    return found;
}

} // namespace

ProgramDriver::ProgramDriver(const std::string& folder, const std::string& arguments, int show) {
    Launch(folder, arguments, show);
    AwaitWindow();
}

void ProgramDriver::Launch(const std::string& folder, const std::string& arguments, int show) {
    std::string commandLine =
        "\"" + ProgramFolder() + "tessorin.exe\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (show != -1) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(show);
    }
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process_.info)) {
        throw std::runtime_error("tessorin.exe could not be started");
    }
}

void ProgramDriver::AwaitWindow() {
    window_ = FindProgramWindow(process_.info.dwProcessId);
    if (window_ == nullptr) {
        throw std::runtime_error("the window of tessorin.exe did not appear");
    }
    // Its start-up done, so that it takes no window to the top after a test has brought another.
    WaitForInputIdle(process_.info.hProcess, Scaled(5000));
}

// Where the process never started, the handles are null and the calls fail harmlessly.
ProgramDriver::Process::~Process() {
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, Scaled(5000));
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

HWND ProgramDriver::ControlAt(int x, int y) const {
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT frame = ChildFrame(child);
        if (frame.left == x && frame.top == y) {
            return child;
        }
    }
    return nullptr;
}

void ProgramDriver::Type(HWND control, const std::string& text) const {
    ClickOn(control);
    PressKeys(control, {VK_END});
    PressKeys(control, {VK_HOME}, VK_SHIFT);
    // Each character with the key and Shift state that the keyboard layout gives for it.
    for (char c : text) {
        const SHORT key = VkKeyScanA(c);
        PressKeys(control, {LOBYTE(key)}, (key & 0x100) != 0 ? VK_SHIFT : 0);
    }
}

void ProgramDriver::SetCountText(const std::string& text) const {
    Ask(Control(COUNT_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Input is handled in the order given, and setting an edit field's text clears its modification
// flag: a flag set before action and cleared after it shows that action, and all input before it,
// has been handled.
std::string ProgramDriver::Changed(HWND field, const std::function<void()>& action) const {
    Ask(field, EM_SETMODIFY, TRUE);
    action();
    if (!WaitUntil([field] { return Ask(field, EM_GETMODIFY) == 0; })) {
        throw std::runtime_error("the program did not set the field's text: " + TextOf(field));
    }
    return TextOf(field);
}

ProbeReport ProgramDriver::Probe(HWND window) const {
    window = window ? window : window_;
    const std::string path = ProbeReportPath(GetCurrentProcessId());
    HMODULE probe = LoadLibraryA((ProgramFolder() + "tessorin_probe.dll").c_str());
    // A hook procedure is a function of the DLL; GetProcAddress gives it as FARPROC.
    auto* procedure =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, "ProbeHook")));
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, procedure, probe,
                                   GetWindowThreadProcessId(window, nullptr));
    PostMessageA(window, RegisterWindowMessageA("TessorinProbe"), GetCurrentProcessId(), 0);
    std::string report;
    WaitUntil([&] { return !(report = FileBytes(path)).empty(); });
    UnhookWindowsHookEx(hook);
    FreeLibrary(probe);
    DeleteFileA(path.c_str());
    if (report.empty()) {
        return {{"error", "the probe in tessorin.exe did not answer"}};
    }
    ProbeReport lines;
    for (std::size_t at = 0, end; (end = report.find('\n', at)) != std::string::npos;
         at = end + 1) {
        const std::size_t key = report.find('=', at);
        lines[report.substr(at, key - at)] = report.substr(key + 1, end - key - 1);
    }
    return lines;
}

DWORD ProgramDriver::WaitForExit(DWORD milliseconds) const {
    WaitForSingleObject(process_.info.hProcess, Scaled(milliseconds));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.info.hProcess, &code);
    return code;
}
