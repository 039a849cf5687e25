#include "app/commands.h"

#include "app/app_state.h"
#include "app/ids.h"
#include "app/texts.h"
#include "generator/password_generator.h"
#include "text/number_text.h"

#include <algorithm>

namespace {

constexpr int MAX_COUNT = 99;

// Reads at most the first three characters of the count field.
void ReadCountText() {
    GetWindowTextA(appState.controls.CountEdit, appState.countText.bytes, 4);
}

int32_t IsTicked(HWND box) {
    return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Generate() {
    ReadCountText();
    appState.count = ParseInteger(appState.countText);
    appState.lowerFlag = IsTicked(appState.controls.LowerCheck);
    appState.upperFlag = IsTicked(appState.controls.UpperCheck);
    appState.digitFlag = IsTicked(appState.controls.DigitCheck);
    AssignFixed(appState.passwordText, GeneratePassword(appState.count, appState.lowerFlag,
                                                        appState.upperFlag, appState.digitFlag));
    appState.lowerFlag = appState.upperFlag = appState.digitFlag = 0;
    SetWindowTextA(appState.controls.PasswordEdit, appState.passwordText.bytes);
}

// Reads the count as a rounded real, lets step change it and shows the result.
template <typename Step> void StepCount(Step step) {
    ReadCountText();
    appState.count = step(RoundToInteger(ParseReal(appState.countText)));
    SetWindowTextA(appState.controls.CountEdit, FormatInteger(appState.count).c_str());
}

// Up by one to at most 99, and never below 1, even from unreadable or negative text.
void StepUp() {
    StepCount(
        [](int32_t count) { return count >= MAX_COUNT ? MAX_COUNT : std::max(count + 1, 1); });
}

// Down by one to at least 1; a count above 99 only goes down by one.
void StepDown() {
    StepCount([](int32_t count) { return count <= 1 ? 1 : count - 1; });
}

void ShowHelp(HWND window) {
    MessageBoxA(window, HelpText, HELP_CAPTION, MB_ICONQUESTION);
}

} // namespace

void OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != 0) {
        return;
    }
    switch (LOWORD(wParam)) {
    // The menu's command comes while its menu is still closing: the posted WM_CLOSE waits in the
    // queue until that is done. The button's comes once its click is handled, so it sends.
    case IDM_EXIT: PostMessageA(window, WM_CLOSE, 0, 0); return;
    case IDM_GENERATE: Generate(); break;
    case IDM_HELP: ShowHelp(window); break;
    default: break;
    }
    const Controls& controls = appState.controls;
    const HWND sender = reinterpret_cast<HWND>(lParam);
    if (sender == nullptr) {
        return; // a menu command; a button that could not be created has a null handle too
    }
    if (sender == controls.IncrementButton) {
        StepUp();
    } else if (sender == controls.DecrementButton) {
        StepDown();
    } else if (sender == controls.GenerateButton) {
        Generate();
    } else if (sender == controls.HelpButton) {
        ShowHelp(window);
    } else if (sender == controls.ExitButton) {
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
}
