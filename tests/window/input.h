#ifndef TESSORIN_TESTS_WINDOW_INPUT_H
#define TESSORIN_TESTS_WINDOW_INPUT_H

// Input as a person gives it: clicks and keys through the system's input queue.

#include "waiting.h"

#include <windows.h>

#include <vector>

// Input as a person gives it, through the system's input queue: the window that control belongs
// to is brought to the foreground first, and its own message loop then translates and dispatches
// the input. None of these waits until the input has been handled.
inline void SendInputs(std::vector<INPUT> inputs, HWND control) {
    HWND window = GetAncestor(control, GA_ROOT);
    // In front, and for a click also the window under the pointer; raised again while another
    // window, such as a program that is still starting, takes its place.
    const auto raise = [window] {
        BringWindowToTop(window);
        SetForegroundWindow(window);
    };
    raise();
    WaitUntil(
        [window, &inputs] {
            POINT at = {};
            return GetForegroundWindow() == window &&
                   (inputs[0].type != INPUT_MOUSE ||
                    (GetCursorPos(&at) && GetAncestor(WindowFromPoint(at), GA_ROOT) == window));
        },
        [&raise] {
            Sleep(1);
            raise();
        });
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

#endif
