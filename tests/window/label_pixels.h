#ifndef TESSORIN_TESTS_WINDOW_LABEL_PIXELS_H
#define TESSORIN_TESTS_WINDOW_LABEL_PIXELS_H

#include "app/selected_object.h"
#include "window_helpers.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

// A painted label: its text and where it starts in the main window's client area.
struct PaintedLabel {
    std::string text;
    int x, y;
};

inline const PaintedLabel PAINTED_LABELS[] = {
    {"Passwort:", 2, 127},
    {"Kleine Buchstaben", 28, 57},
    {"Gro\xDF"
     "e Buchstaben",
     28, 79},
    {"Ziffern", 28, 101},
    {"Anzahl der Zeichen(1-99):", 5, 10},
};

// How many dark pixels dc shows from x = left up to right in the 17 rows from top.
inline int DarkPixels(HDC dc, int left, int right, int top) {
    int dark = 0;
    for (int y = top; y < top + 17; ++y) {
        for (int x = left; x < right; ++x) {
            const COLORREF colour = GetPixel(dc, x, y);
            if (colour != CLR_INVALID &&
                GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 200) {
                ++dark;
            }
        }
    }
    return dark;
}

// Whether window shows the first and the last character of every label where the labels' font
// puts them, read from its own device context or from the screen. The count field covers the end
// of the last label, so only its start is looked at.
inline bool LabelsShow(HWND window, bool onScreen, std::string* missing = nullptr) {
    HWND source = onScreen ? nullptr : window;
    HDC dc = GetDC(source);
    POINT origin = {0, 0};
    if (onScreen) {
        ClientToScreen(window, &origin);
    }
    HFONT font =
        CreateFontA(19, 0, 0, 0, FW_DONTCARE, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Times New Roman");
    HDC measuring = CreateCompatibleDC(dc);
    bool painted = true;
    {
        const SelectedObject selected(measuring, font);
        for (const PaintedLabel& label : PAINTED_LABELS) {
            const int length = static_cast<int>(label.text.size());
            SIZE first = {}, allButLast = {}, all = {};
            GetTextExtentPoint32A(measuring, label.text.c_str(), 1, &first);
            GetTextExtentPoint32A(measuring, label.text.c_str(), length - 1, &allButLast);
            GetTextExtentPoint32A(measuring, label.text.c_str(), length, &all);
            const int left = origin.x + label.x, top = origin.y + label.y;
            const bool start = DarkPixels(dc, left, left + first.cx, top) > 1;
            const bool end = &label == &PAINTED_LABELS[4] ||
                             DarkPixels(dc, left + allButLast.cx, left + all.cx, top) > 1;
            if (!start || !end) {
                painted = false;
                if (missing != nullptr) {
                    *missing += label.text + (start ? " (its end)" : " (its start)") + "; ";
                }
            }
        }
    }
    DeleteDC(measuring);
    DeleteObject(font);
    ReleaseDC(source, dc);
    return painted;
}

// Calls step, then asks condition, until condition holds or five seconds (Scaled) have passed.
inline bool WaitUntil(
    const std::function<bool()>& condition, const std::function<void()>& step = [] { Sleep(10); }) {
    const DWORD start = GetTickCount();
    do {
        step();
        if (condition()) {
            return true;
        }
    } while (GetTickCount() - start < Scaled(5000));
    return false;
}

// Waits, running step between looks, until window shows its labels; a failure names those missing.
inline testing::AssertionResult LabelsAppear(
    HWND window, bool onScreen, const std::function<void()>& step = [] { Sleep(10); }) {
    std::string missing;
    if (WaitUntil([&] { return missing.clear(), LabelsShow(window, onScreen, &missing); }, step)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "not painted: " << missing;
}

#endif
