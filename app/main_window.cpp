#include "app/main_window.h"

#include "app/app_state.h"
#include "app/commands.h"
#include "app/menu_bar.h"
#include "app/texts.h"
#include "text/number_text.h"

namespace {

enum class FontKind { Label, Button };

struct ControlLayout {
    HWND Controls::*handle;
    const char* className;
    const char* text; // nullptr: the count as decimal text
    DWORD style;
    int x, y, width, height;
    int id;
    FontKind font;
};

constexpr DWORD PUSH_BUTTON = WS_CHILD | WS_VISIBLE;
constexpr DWORD CHECK_BOX = WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTOCHECKBOX;

const ControlLayout CONTROL_LAYOUT[] = {
    {&Controls::CountEdit, "edit", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER, 170, 10,
     30, 24, IDC_TEXTFIELD, FontKind::Label},
    {&Controls::PasswordEdit, "edit", "",
     WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL, 1, 145, 231, 24,
     IDC_TEXTFIELD, FontKind::Label},
    {&Controls::IncrementButton, "button", "+", PUSH_BUTTON, 200, 10, 10, 12, 0, FontKind::Button},
    {&Controls::DecrementButton, "button", "-", PUSH_BUTTON, 200, 22, 10, 12, 0, FontKind::Button},
    {&Controls::GenerateButton, "button", "Generieren", PUSH_BUTTON, 50, 180, 80, 22, 0,
     FontKind::Label},
    {&Controls::ExitButton, "button", "Beenden", PUSH_BUTTON, 140, 180, 80, 22, 0, FontKind::Label},
    {&Controls::HelpButton, "button", "?", PUSH_BUTTON, 10, 180, 20, 22, 0, FontKind::Label},
    {&Controls::CharsetGroup, "button", "Verwendbare Zeichen",
     WS_CHILD | WS_VISIBLE | WS_GROUP | BS_LEFTTEXT | BS_GROUPBOX, 5, 38, 225, 85, 0,
     FontKind::Label},
    {&Controls::LowerCheck, "button", "", CHECK_BOX, 10, 60, 12, 12, 0, FontKind::Label},
    {&Controls::UpperCheck, "button", "", CHECK_BOX, 10, 82, 12, 12, 0, FontKind::Label},
    {&Controls::DigitCheck, "button", "", CHECK_BOX, 10, 104, 12, 12, 0, FontKind::Label},
};

struct Label {
    const char* text;
    int x, y, characters;
};

const Label LABELS[] = {
    {"Passwort:", 2, 127, 9}, {"Kleine Buchstaben", 28, 57, 17},        {UPPER_LABEL, 28, 79, 16},
    {"Ziffern", 28, 101, 7},  {"Anzahl der Zeichen(1-99):", 5, 10, 25},
};

HFONT MakeFont(int height, const char* face) {
    return CreateFontA(height, 0, 0, 0, FW_DONTCARE, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, face);
}

// Loads key.ico from the current directory as the small icon; without it the class icon stays.
void SetSmallIcon(HWND window) {
    HANDLE icon = LoadImageA(nullptr, ICON_FILE, IMAGE_ICON, 48, 48, LR_LOADFROMFILE);
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void CreateControls(HWND window) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const Text countText = FormatInteger(appState.count);
    for (const ControlLayout& layout : CONTROL_LAYOUT) {
        HWND control = CreateWindowExA(
            0, layout.className, layout.text ? layout.text : countText.c_str(), layout.style,
            layout.x, layout.y, layout.width, layout.height, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
        appState.controls.*layout.handle = control;
        if (layout.style == CHECK_BOX) {
            SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
        }
        HFONT font = layout.font == FontKind::Label ? appState.labelFont : appState.buttonFont;
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }
}

void OnCreate(HWND window) {
    BuildMenuBar(window);
    SetSmallIcon(window);
    appState.labelFont = MakeFont(19, "Times New Roman");
    appState.buttonFont = MakeFont(15, "Arial");
    CreateControls(window);
}

// Draws the five labels straight onto the window. Drawing between BeginPaint and EndPaint keeps
// them: labels drawn before the background is erased would be wiped out by the erasing.
void PaintLabels(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, appState.labelFont);
    for (const Label& label : LABELS) {
        TextOutA(dc, label.x, label.y, label.text, label.characters);
    }
    EndPaint(window, &paint);
}

} // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(window); return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == appState.controls.PasswordEdit) {
            return 0;
        }
        break;
    case WM_PAINT: PaintLabels(window); return 0;
    case WM_COMMAND: HandleCommand(window, wParam, lParam); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
