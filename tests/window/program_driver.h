#ifndef TESSORIN_TESTS_WINDOW_PROGRAM_DRIVER_H
#define TESSORIN_TESTS_WINDOW_PROGRAM_DRIVER_H

#include "files.h"
#include "input.h"
#include "window_reading.h"
#include "window_table.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>

using ProbeReport = std::map<std::string, std::string>;

// tessorin.exe started as a user would start it, driven from outside through the Windows API.
class ProgramDriver {
  public:
    // Starts the program in folder with these command-line arguments and waits for its window.
    // A show state (SW_...) other than -1 goes to the program as the one it is started with.
    explicit ProgramDriver(const std::string& folder = "", const std::string& arguments = "",
                           int show = -1);

    // Starts the program without waiting; AwaitWindow finds its window later.
    struct NoWait {};
    explicit ProgramDriver(NoWait) { Launch("", "", -1); }
    void AwaitWindow();

    HWND Window() const { return window_; }
    DWORD ProcessId() const { return process_.info.dwProcessId; }

    // The child control whose top left corner stands at (x, y) of the client area; the control
    // of the window's table by its place there.
    HWND ControlAt(int x, int y) const;
    HWND Control(WindowControl which) const {
        return ControlAt(CONTROLS[which].x, CONTROLS[which].y);
    }

    // Types text into control in place of its text, as a person does (input.h has the clicks
    // and keys); not yet handled when the call returns.
    void Type(HWND control, const std::string& text) const;

    // Replaces the count field's text by WM_SETTEXT: for texts that a person can neither type nor
    // paste there, since the field takes digits alone from the keyboard and cuts a paste at its
    // width (letters, signs, bytes above 127, thousands of characters). The session test types
    // and pastes what a person can.
    void SetCountText(const std::string& text) const;

    // The text of field once action has been handled and has set it (to the same text, perhaps).
    std::string Changed(HWND field, const std::function<void()>& action) const;

    // How CountAfter and Generate click a button: by default as a person does.
    std::function<void(HWND)> click = [](HWND button) { ClickOn(button); };

    // The count field's text after a click on button; the password field's after Generate.
    std::string CountAfter(HWND button) const {
        return Changed(Control(COUNT_EDIT), [&] { click(button); });
    }
    std::string Generate() const {
        return Changed(Control(PASSWORD_EDIT), [&] { click(Control(GENERATE_BUTTON)); });
    }

    // What the probe (probe.cpp), placed into the program through a hook on its thread, reads
    // there of window (by default the main window), by key: its menus, its controls' fonts and
    // icons, its class and its own icons. Where it does not answer, only the key "error", which
    // fails every check of its report.
    ProbeReport Probe(HWND window = nullptr) const;

    // Waits for the process to end; its exit code, or STILL_ACTIVE when it did not end in time.
    // Every wait of the driver is stretched by Scaled.
    DWORD WaitForExit(DWORD milliseconds = 10000) const;

    // Clicks "Beenden" and waits for the end, as WaitForExit does.
    DWORD Quit() const {
        ClickOn(Control(EXIT_BUTTON));
        return WaitForExit();
    }

  private:
    // The started process, ended if it still runs when the driver goes, also when the driver's
    // constructor gives up because no window appears.
    struct Process {
        PROCESS_INFORMATION info = {};
        Process() = default;
        Process(const Process&) = delete;
        Process& operator=(const Process&) = delete;
        ~Process();
    };

    void Launch(const std::string& folder, const std::string& arguments, int show);

    Process process_;
    HWND window_ = nullptr;
};

#endif
