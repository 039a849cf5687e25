#ifndef TESSORIN_TESTS_WINDOW_WINDOW_HELPERS_H
#define TESSORIN_TESTS_WINDOW_WINDOW_HELPERS_H

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// The folder of the running executable, with its trailing separator: the tests and the start-up
// harness find tessorin.exe and its icon there.
inline std::string ProgramFolder() {
    char path[MAX_PATH];
    const std::string file(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return file.substr(0, file.find_last_of("\\/") + 1);
}

// Whether the system is Wine: its ntdll exports wine_get_version, which Windows's has not.
inline bool UnderWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// The display's scale in percent as a DPI-aware thread reads it: Windows tells a program that is
// not aware, as these tests and tessorin.exe are, 100 % and stretches its windows. The thread is
// aware only for the reading. 100 where Windows has no such threads (before Windows 10, version
// 1607).
inline int DisplayScale() {
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto set = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
    if (set == nullptr) {
        return 100;
    }
    const DPI_AWARENESS_CONTEXT before = set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    set(before);
    return dpi * 100 / 96;
}

// milliseconds, stretched by TESSORIN_WAIT_SCALE where the Wine launcher sets it: every wait for
// another program or for a window, since under user-mode emulation everything takes longer.
inline DWORD Scaled(DWORD milliseconds) {
    char text[16] = {};
    const DWORD length = GetEnvironmentVariableA("TESSORIN_WAIT_SCALE", text, sizeof text);
    const int scale = length > 0 && length < sizeof text ? std::atoi(text) : 1;
    return milliseconds * static_cast<DWORD>(scale > 1 ? scale : 1);
}

// Sends a message to a window, also another program's, and gives its answer, waiting for that
// five seconds (Scaled) at most: a program that does not answer, because it blocks in a box of its
// own, say, ends the test at once with an error that names the message, rather than holding up
// every message after it.
inline LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, Scaled(5000), &answer)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%04X", message);
        throw std::runtime_error("no answer to the message " + std::string(hex) + " within " +
                                 std::to_string(Scaled(5000) / 1000) + " s");
    }
    return static_cast<LRESULT>(answer);
}

// Asks condition, and while it does not hold, calls step and asks again, for at most five seconds
// (Scaled). The default step rests for a millisecond.
inline bool WaitUntil(
    const std::function<bool()>& condition, const std::function<void()>& step = [] { Sleep(1); }) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= Scaled(5000)) {
            return false;
        }
        step();
    }
    return true;
}

// Input as a person gives it, through the system's input queue: the window that control belongs
// to is brought to the foreground first, and its own message loop then translates and dispatches
// the input. None of these waits until the input has been handled.
inline void SendInputs(std::vector<INPUT> inputs, HWND control) {
    HWND window = GetAncestor(control, GA_ROOT);
    // In front, and for a click also the window under the pointer; raised again while another
    // window, such as a program that is still starting, takes its place.
    const auto raise = [window] { BringWindowToTop(window), SetForegroundWindow(window); };
    raise();
    WaitUntil(
        [window, &inputs] {
            POINT at = {};
            return GetForegroundWindow() == window &&
                   (inputs[0].type != INPUT_MOUSE ||
                    (GetCursorPos(&at) && GetAncestor(WindowFromPoint(at), GA_ROOT) == window));
        },
        [&raise] { Sleep(1), raise(); });
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A click of the left mouse button, or a double click, at a point of the screen in window. Each
// press and release carries the point itself rather than going wherever the pointer stands: under
// emulation and load a click once missed its button, which fits a pointer motion of an earlier
// SetCursorPos being handled after a later one.
inline void ClickAt(HWND window, POINT point, int clicks = 1) {
    SetCursorPos(point.x, point.y);
    // In the 0 to 65535 of absolute input, rounded up so that the system's rounding down of its
    // product with the screen's size gives the pixel.
    const auto absolute = [](LONG pixel, int metric) {
        const LONGLONG size = GetSystemMetrics(metric);
        return static_cast<LONG>((pixel * 65536LL + size - 1) / size);
    };
    INPUT input = {INPUT_MOUSE, {}};
    input.mi.dx = absolute(point.x, SM_CXSCREEN);
    input.mi.dy = absolute(point.y, SM_CYSCREEN);
    std::vector<INPUT> inputs(2 * clicks, input);
    for (std::size_t i = 0; i < inputs.size(); ++i) { // each click a press and a release
        inputs[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE |
                               (i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    }
    SendInputs(inputs, window);
}

// The same in the middle of control.
inline void ClickOn(HWND control, int clicks = 1) {
    RECT frame;
    GetWindowRect(control, &frame);
    ClickAt(control, {(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2}, clicks);
}

// Presses and releases the keys (virtual-key codes) in turn, while modifier (VK_SHIFT, VK_MENU
// for Alt, or 0 for none) is held down. Keys go to the window that has the keyboard focus when they
// arrive, so for a control it waits until a click (perhaps still on its way) has given it the
// focus.
inline void PressKeys(HWND window, const std::vector<WORD>& keys, WORD modifier = 0) {
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    WaitUntil([&thread, window] {
        return window == GetAncestor(window, GA_ROOT) ||
               (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) &&
                thread.hwndFocus == window);
    });
    std::vector<INPUT> inputs;
    const auto stroke = [&inputs](WORD key, DWORD flags) { // no key for 0
        INPUT input = {INPUT_KEYBOARD, {}};
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.resize(inputs.size() + (key != 0), input);
    };
    stroke(modifier, 0);
    for (WORD key : keys) {
        stroke(key, 0);
        stroke(key, KEYEVENTF_KEYUP);
    }
    stroke(modifier, KEYEVENTF_KEYUP);
    SendInputs(inputs, window);
}

// Alt with the access key of one of window's menus, then the access key of an item in it.
inline void ChooseMenuItem(HWND window, WORD menuKey, WORD itemKey) {
    PressKeys(window, {menuKey}, VK_MENU);
    PressKeys(window, {itemKey});
}

// Any window's text, read with WM_GETTEXT, also across processes: in one message where it is
// shorter than 255 bytes, else after asking for its length.
inline std::string TextOf(HWND window) {
    std::vector<char> text(256);
    LRESULT length = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (length + 1 >= static_cast<LRESULT>(text.size())) {
        text.resize(static_cast<std::size_t>(Ask(window, WM_GETTEXTLENGTH)) + 1);
        length = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    }
    return std::string(text.data(), static_cast<std::size_t>(length));
}

// A point of the caption's button that answers WM_NCHITTEST with hit (HTCLOSE, HTREDUCE): the
// first such point along the middle of the caption from its right end, and 3 pixels further in.
inline POINT CaptionButton(HWND window, LRESULT hit) {
    RECT frame;
    GetWindowRect(window, &frame);
    const int y =
        frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int x = frame.right;
    while (x > frame.left && Ask(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != hit) {
        --x;
    }
    return {x - 3, y};
}

// The frame of child in its parent's client area.
inline RECT ChildFrame(HWND child) {
    RECT frame;
    GetWindowRect(child, &frame);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&frame), 2);
    return frame;
}

// The size of window's icon of this kind (ICON_SMALL, ICON_BIG); 0 by 0 where it has none.
inline SIZE IconSize(HWND window, WPARAM kind) {
    ICONINFO info = {};
    BITMAP bitmap = {};
    if (GetIconInfo(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, kind, 0)), &info)) {
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    return {bitmap.bmWidth, bitmap.bmHeight};
}

// The clipboard's contents: every format whose data is memory, by its number, with its bytes, and
// an enhanced metafile by its bits. A bitmap handle is kept as the device-independent bitmap that
// the system makes of it, a metafile picture as the enhanced metafile it is made from.
using ClipboardContents = std::map<UINT, std::string>;

inline ClipboardContents ReadClipboard() {
    ClipboardContents held;
    WaitUntil([] { return OpenClipboard(nullptr) != FALSE; });
    for (UINT f = EnumClipboardFormats(0); f != 0; f = EnumClipboardFormats(f)) {
        HANDLE data = GetClipboardData(f);
        if (f == CF_ENHMETAFILE) {
            auto* emf = static_cast<HENHMETAFILE>(data);
            held[f].resize(GetEnhMetaFileBits(emf, 0, nullptr));
            GetEnhMetaFileBits(emf, UINT(held[f].size()), reinterpret_cast<BYTE*>(held[f].data()));
        } else if (const void* bytes =
                       f != CF_METAFILEPICT && GlobalSize(data) ? GlobalLock(data) : nullptr) {
            held[f].assign(static_cast<const char*>(bytes), GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return held;
}

// Puts contents on the clipboard in place of what it held.
inline void WriteClipboard(const ClipboardContents& contents) {
    WaitUntil([] { return OpenClipboard(nullptr) != FALSE; });
    EmptyClipboard();
    for (const auto& [format, bytes] : contents) {
        const auto* bits = reinterpret_cast<const BYTE*>(bytes.data());
        HANDLE data = format == CF_ENHMETAFILE ? SetEnhMetaFileBits(UINT(bytes.size()), bits)
                                               : GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        if (format != CF_ENHMETAFILE) {
            memcpy(GlobalLock(data), bits, bytes.size());
            GlobalUnlock(data);
        }
        SetClipboardData(format, data);
    }
    CloseClipboard();
}

// The clipboard's contents as they are when the keeper is made, put back whole when it goes.
class ClipboardKeeper {
  public:
    ClipboardKeeper() : held_(ReadClipboard()) {}
    ~ClipboardKeeper() { WriteClipboard(held_); }

  private:
    ClipboardContents held_;
};

// The format whose presence keeps the clipboard out of Windows' clipboard history and cloud
// clipboard.
inline UINT HistoryMark() {
    return RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
}

// System colours (COLOR_... with their values) in force while the guard lives; it gives back
// those it found when it goes, also where a test fails. SetSysColors changes them on Windows for
// every program, until logoff. Wine keeps each process's own table, read from the registry when
// it starts (where this process's came from): there the prefix's registry, the test's own, takes
// them too, for the programs started from now on. A person's registry is never written.
class SystemColours {
  public:
    explicit SystemColours(const std::map<INT, COLORREF>& colours) {
        for (const auto& [index, colour] : colours) {
            found_[index] = GetSysColor(index);
        }
        Set(colours);
    }
    ~SystemColours() { Set(found_); }
    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;

  private:
    static void Set(const std::map<INT, COLORREF>& colours) {
        for (const auto& [index, colour] : colours) {
            SetSysColors(1, &index, &colour);
            const std::string rgb = std::to_string(GetRValue(colour)) + " " +
                                    std::to_string(GetGValue(colour)) + " " +
                                    std::to_string(GetBValue(colour));
            const char* name = index == COLOR_BTNFACE   ? "ButtonFace"
                               : index == COLOR_WINDOW  ? "Window"
                               : index == COLOR_BTNTEXT ? "ButtonText"
                                                        : "WindowText";
            if (UnderWine()) {
                RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Colors", name, REG_SZ,
                                rgb.c_str(), DWORD(rgb.size() + 1));
            }
        }
    }
    std::map<INT, COLORREF> found_;
};

// The texts of a message box's parts that show one, each followed by "|", its buttons' last, also
// of another process's box.
inline std::string BoxTexts(HWND box) {
    std::string texts, buttons;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = {};
        GetClassNameA(child, kind, sizeof kind);
        const std::string text = TextOf(child);
        (std::string(kind) == "Button" ? buttons : texts) += text.empty() ? "" : text + "|";
    }
    return texts + buttons;
}

// The message box of this caption once it shows, also another process's; null where none does.
inline HWND ShownBox(const char* caption) {
    const auto box = [caption] { return FindWindowA("#32770", caption); };
    return WaitUntil([&box] { return IsWindowVisible(box()) != FALSE; }) ? box() : nullptr;
}

// Whether a check box is ticked, also in another process.
inline bool IsChecked(HWND box) {
    return Ask(box, BM_GETCHECK) == BST_CHECKED;
}

// The temporary folder, with its trailing separator.
inline std::string TempPath() {
    char temp[MAX_PATH];
    return std::string(temp, GetTempPathA(MAX_PATH, temp));
}

// A folder of this name in the temporary folder, made anew, holding key.ico with these bytes
// where they are given; removed with all it holds when the guard goes, also where a test fails.
struct ScratchFolder {
    explicit ScratchFolder(const std::string& name, const std::string* icon = nullptr)
        : path(TempPath() + name) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directory(path);
        if (icon != nullptr) {
            std::ofstream(path + "\\key.ico", std::ios::binary) << *icon;
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string path;
};

// The file in which the probe in tessorin.exe answers the test process of this id.
inline std::string ProbeReportPath(DWORD testProcess) {
    return TempPath() + "tessorin-probe-" + std::to_string(testProcess) + ".txt";
}

// The bytes of a file; empty where it cannot be read.
inline std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

#endif
