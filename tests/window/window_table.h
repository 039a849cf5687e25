#ifndef TESSORIN_TESTS_WINDOW_WINDOW_TABLE_H
#define TESSORIN_TESTS_WINDOW_WINDOW_TABLE_H

#include <windows.h>

// What the window must show, written out here apart from the program: each control with its place
// and size in the client area, its class as Windows names it, text, style, id, tick and font as
// the probe reads it (face, height, weight, character set), and each painted label with the point
// where it starts. The driver finds the controls by their places; the opening test, the probe
// comparison and the label check hold the window to this table.
struct ControlSpec {
    int x, y, width, height;
    const char* className;
    const char* text;
    LONG style;
    int id;
    bool ticked;
    const char* font;
};

// The controls in the order of the table, which is that of their creation.
enum WindowControl {
    COUNT_EDIT,
    PASSWORD_EDIT,
    INCREMENT_BUTTON,
    DECREMENT_BUTTON,
    GENERATE_BUTTON,
    EXIT_BUTTON,
    HELP_BUTTON,
    CHARSET_GROUP,
    LOWER_CHECK,
    UPPER_CHECK,
    DIGIT_CHECK
};

inline constexpr char LABEL_FONT[] = "Times New Roman 19 weight 0 charset 0";
inline constexpr char BUTTON_FONT[] = "Arial 15 weight 0 charset 0";
inline constexpr ControlSpec CONTROLS[] = {
    {170, 10, 30, 24, "Edit", "8", 0x50802000, 30, false, LABEL_FONT},
    {1, 145, 231, 24, "Edit", "", 0x50800880, 30, false, LABEL_FONT},
    {200, 10, 10, 12, "Button", "+", 0x50000000, 0, false, BUTTON_FONT},
    {200, 22, 10, 12, "Button", "-", 0x50000000, 0, false, BUTTON_FONT},
    {50, 180, 80, 22, "Button", "Generieren", 0x50000000, 0, false, LABEL_FONT},
    {140, 180, 80, 22, "Button", "Beenden", 0x50000000, 0, false, LABEL_FONT},
    {10, 180, 20, 22, "Button", "?", 0x50000000, 0, false, LABEL_FONT},
    {5, 38, 225, 85, "Button", "Verwendbare Zeichen", 0x50020027, 0, false, LABEL_FONT},
    {10, 60, 12, 12, "Button", "", 0x50020003, 0, true, LABEL_FONT},
    {10, 82, 12, 12, "Button", "", 0x50020003, 0, true, LABEL_FONT},
    {10, 104, 12, 12, "Button", "", 0x50020003, 0, true, LABEL_FONT},
};

// In Windows-1252; \337 (0xDF) is the sharp s.
inline constexpr struct {
    const char* text;
    POINT at;
} LABELS[] = {
    {"Passwort:", {2, 127}},
    {"Kleine Buchstaben", {28, 57}},
    {"Gro\337e Buchstaben", {28, 79}},
    {"Ziffern", {28, 101}},
    {"Anzahl der Zeichen(1-99):", {5, 10}},
};

#endif
