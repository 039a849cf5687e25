#ifndef TESSORIN_TESTS_WINDOW_WINDOW_READING_H
#define TESSORIN_TESTS_WINDOW_WINDOW_READING_H

// What a window shows, read through its messages, also another program's window.

#include "waiting.h"

#include <windows.h>

#include <string>
#include <vector>

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

#endif
