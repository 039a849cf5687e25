#ifndef TESSORIN_TESTS_WINDOW_PROGRAM_DRIVER_H
#define TESSORIN_TESTS_WINDOW_PROGRAM_DRIVER_H

#include "window_helpers.h"

#include <windows.h>

#include <functional>
#include <string>

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

    // The child control whose top left corner stands at (x, y) of the client area.
    HWND ControlAt(int x, int y) const;

    HWND CountEdit() const { return ControlAt(170, 10); }
    HWND PasswordEdit() const { return ControlAt(1, 145); }
    HWND IncrementButton() const { return ControlAt(200, 10); }
    HWND DecrementButton() const { return ControlAt(200, 22); }
    HWND GenerateButton() const { return ControlAt(50, 180); }
    HWND ExitButton() const { return ControlAt(140, 180); }
    HWND HelpButton() const { return ControlAt(10, 180); }
    HWND LowerCheck() const { return ControlAt(10, 60); }
    HWND UpperCheck() const { return ControlAt(10, 82); }
    HWND DigitCheck() const { return ControlAt(10, 104); }

    // Types text into control in place of its text, as a person does (window_helpers.h has the
    // clicks and keys); not yet handled when the call returns.
    void Type(HWND control, const std::string& text) const;

    // Replaces the count field's text by WM_SETTEXT: for texts that a person can neither type nor
    // paste there, since the field takes digits alone from the keyboard and cuts a paste at its
    // width (letters, signs, bytes above 127, thousands of characters). The session test types
    // and pastes what a person can.
    void PasteCount(const std::string& text) const;

    // The text of field once action has been handled and has set it (to the same text, perhaps).
    std::string Changed(HWND field, const std::function<void()>& action) const;

    // How CountAfter and Generate click a button: by default as a person does.
    std::function<void(HWND)> click = [](HWND button) { ClickOn(button); };

    // The count field's text after a click on button; the password field's after Generate.
    std::string CountAfter(HWND button) const {
        return Changed(CountEdit(), [&] { click(button); });
    }
    std::string Generate() const {
        return Changed(PasswordEdit(), [&] { click(GenerateButton()); });
    }

    // What the probe (probe.cpp), placed into the program through a hook on its thread, reads
    // there of window (by default the main window): its menus, its controls' fonts and icons, its
    // class and its own icons. Where it does not answer, a line that says so, which fails the
    // checks of its report rather than throwing: the session test gives back what it changed of
    // the system, such as the clipboard, only when it runs to its end.
    std::string Probe(HWND window = nullptr) const;

    // Waits for the process to end; its exit code, or STILL_ACTIVE when it did not end in time.
    // Every wait of the driver is stretched by Scaled.
    DWORD WaitForExit(DWORD milliseconds = 10000) const;

    // Clicks "Beenden" and waits for the end, as WaitForExit does.
    DWORD Quit() const {
        ClickOn(ExitButton());
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
