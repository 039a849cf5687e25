#ifndef TESSORIN_TESTS_WINDOW_LABEL_PIXELS_H
#define TESSORIN_TESTS_WINDOW_LABEL_PIXELS_H

#include <windows.h>

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

// How many dark pixels dc shows in the box of about 5 x height pixels per character behind a
// label's start, where nothing but the label is dark. The count field covers the end of the last
// label, so the box stops short of it.
inline int DarkPixels(HDC dc, const PaintedLabel& label) {
    const int width = label.x == 5 ? 160 : 5 * static_cast<int>(label.text.size());
    int dark = 0;
    for (int y = label.y; y < label.y + 17; ++y) {
        for (int x = label.x; x < label.x + width; ++x) {
            const COLORREF colour = GetPixel(dc, x, y);
            if (colour != CLR_INVALID &&
                GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 200) {
                ++dark;
            }
        }
    }
    return dark;
}

#endif
