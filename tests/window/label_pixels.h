#ifndef TESSORIN_TESTS_WINDOW_LABEL_PIXELS_H
#define TESSORIN_TESTS_WINDOW_LABEL_PIXELS_H

#include "app/selected_object.h"
#include "window_helpers.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

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

// Whether window shows every label whole: each text drawn at its point in 19-pixel Times New Roman,
// black on the face colour, compared pixel by pixel over its box and three pixels to either side,
// but where a control covers it. The pixels are read from the screen, as a person sees them; a
// failure names the labels that differ.
inline bool LabelsShow(HWND window, COLORREF face, std::string* missing) {
    HDC source = GetDC(nullptr);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    HDC expected = CreateCompatibleDC(source), shown = CreateCompatibleDC(source);
    HBITMAP expectedPixels = CreateCompatibleBitmap(source, client.right, client.bottom);
    HBITMAP shownPixels = CreateCompatibleBitmap(source, client.right, client.bottom);
    HFONT font =
        CreateFontA(19, 0, 0, 0, FW_DONTCARE, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Times New Roman");
    // Where the controls stand, but the group box, which leaves its inside to the window.
    std::vector<RECT> covering;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT frame;
        GetWindowRect(child, &frame);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&frame), 2);
        if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX) {
            covering.push_back(frame);
        }
    }
    const auto covered = [&covering](int x, int y) {
        return std::any_of(covering.begin(), covering.end(), [x, y](const RECT& r) {
            return PtInRect(&r, POINT{x, y}) != FALSE;
        });
    };
    bool whole = true;
    {
        const SelectedObject expectedBitmap(expected, expectedPixels), labelFont(expected, font);
        const SelectedObject shownBitmap(shown, shownPixels);
        BitBlt(shown, 0, 0, client.right, client.bottom, source, origin.x, origin.y, SRCCOPY);
        HBRUSH background = CreateSolidBrush(face);
        FillRect(expected, &client, background);
        DeleteObject(background);
        SetBkMode(expected, TRANSPARENT);
        // No two labels share a row, so each can be drawn and compared in turn.
        for (const PaintedLabel& label : PAINTED_LABELS) {
            const int length = static_cast<int>(label.text.size());
            SIZE size = {};
            TextOutA(expected, label.x, label.y, label.text.c_str(), length);
            GetTextExtentPoint32A(expected, label.text.c_str(), length, &size);
            int differing = 0;
            for (int y = label.y; y < label.y + size.cy; ++y) {
                for (int x = std::max(0, label.x - 3); x < label.x + size.cx + 3; ++x) {
                    differing +=
                        !covered(x, y) && GetPixel(shown, x, y) != GetPixel(expected, x, y);
                }
            }
            if (differing > 0 && missing != nullptr) {
                *missing += label.text + " (" + std::to_string(differing) + " pixels); ";
            }
            whole = whole && differing == 0;
        }
    }
    DeleteObject(font);
    DeleteObject(shownPixels);
    DeleteObject(expectedPixels);
    DeleteDC(shown);
    DeleteDC(expected);
    ReleaseDC(nullptr, source);
    return whole;
}

// Waits until window shows its labels on the face colour (by default the system's, as this
// process sees it); a failure names those missing.
inline testing::AssertionResult LabelsAppear(HWND window,
                                             COLORREF face = GetSysColor(COLOR_BTNFACE)) {
    std::string missing;
    if (WaitUntil([&] { return missing.clear(), LabelsShow(window, face, &missing); })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "not painted as they should be: " << missing;
}

#endif
