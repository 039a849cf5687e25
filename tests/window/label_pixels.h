#ifndef TESSORIN_TESTS_WINDOW_LABEL_PIXELS_H
#define TESSORIN_TESTS_WINDOW_LABEL_PIXELS_H

#include "app/selected_object.h"
#include "waiting.h"
#include "window_reading.h"
#include "window_table.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// Where window does not show every label whole, their texts with the number of pixels that
// differ; empty where it does. Each label is drawn at its point in 19-pixel Times New Roman, in the
// text colour on the face colour, and compared pixel by pixel over its box and three pixels to
// either side, but where a control covers it. The pixels are read from the screen, as a person sees
// them.
inline std::string MissingLabels(HWND window, COLORREF face, COLORREF ink) {
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
        if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX) {
            covering.push_back(ChildFrame(child));
        }
    }
    const auto covered = [&covering](int x, int y) {
        return std::any_of(covering.begin(), covering.end(), [x, y](const RECT& r) {
            return PtInRect(&r, POINT{x, y}) != FALSE;
        });
    };
    std::string missing;
    {
        const SelectedObject expectedBitmap(expected, expectedPixels), labelFont(expected, font);
        const SelectedObject shownBitmap(shown, shownPixels);
        BitBlt(shown, 0, 0, client.right, client.bottom, source, origin.x, origin.y, SRCCOPY);
        HBRUSH background = CreateSolidBrush(face);
        FillRect(expected, &client, background);
        DeleteObject(background);
        SetBkMode(expected, TRANSPARENT);
        SetTextColor(expected, ink);
        // No two labels share a row, so each can be drawn and compared in turn.
        for (const auto& [text, at] : LABELS) {
            const int length = static_cast<int>(std::strlen(text));
            SIZE size = {};
            TextOutA(expected, at.x, at.y, text, length);
            GetTextExtentPoint32A(expected, text, length, &size);
            int differing = 0;
            for (int y = at.y; y < at.y + size.cy; ++y) {
                for (int x = std::max(0, int(at.x) - 3); x < at.x + size.cx + 3; ++x) {
                    differing +=
                        !covered(x, y) && GetPixel(shown, x, y) != GetPixel(expected, x, y);
                }
            }
            missing += differing == 0
                           ? ""
                           : std::string(text) + " (" + std::to_string(differing) + " pixels); ";
        }
    }
    DeleteObject(font);
    DeleteObject(shownPixels);
    DeleteObject(expectedPixels);
    DeleteDC(shown);
    DeleteDC(expected);
    ReleaseDC(nullptr, source);
    return missing;
}

// Waits until window shows its labels in the text colour on the face colour (by default the
// system's button text and face, as this process sees them); a failure names those missing. On a
// scaled display the system stretches the window while the screen is read unscaled, so there, and
// where the scale cannot be read, the pixels are not compared (the window's opening test says so).
inline testing::AssertionResult LabelsAppear(HWND window,
                                             COLORREF face = GetSysColor(COLOR_BTNFACE),
                                             COLORREF ink = GetSysColor(COLOR_BTNTEXT)) {
    std::string missing;
    if (DisplayScale() != 100 ||
        WaitUntil([&] { return (missing = MissingLabels(window, face, ink)).empty(); })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "not painted as they should be: " << missing;
}

#endif
