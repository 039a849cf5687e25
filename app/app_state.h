#ifndef TESSORIN_APP_APP_STATE_H
#define TESSORIN_APP_APP_STATE_H

#include "text/fixed_text.h"

#include <windows.h>

#include <cstdint>

// The window's child controls, in the order of their creation.
struct Controls {
    HWND CountEdit;
    HWND PasswordEdit;
    HWND IncrementButton;
    HWND DecrementButton;
    HWND GenerateButton;
    HWND ExitButton;
    HWND HelpButton;
    HWND CharsetGroup;
    HWND LowerCheck;
    HWND UpperCheck;
    HWND DigitCheck;
};

inline constexpr int POPUP_COUNT = 2;

// The program-wide state. The class flags are 1 only while a generation is being prepared.
struct AppState {
    int32_t count = 8;
    int32_t lowerFlag = 0;
    int32_t upperFlag = 0;
    int32_t digitFlag = 0;
    HFONT labelFont = nullptr;
    HFONT buttonFont = nullptr;
    FixedText countText;
    FixedText passwordText;
    Controls controls = {};
    WNDPROC passwordEditProc = nullptr; // the edit control's own, behind the password field's
    HMENU PopupTable[POPUP_COUNT] = {};
};

extern AppState appState;

#endif
