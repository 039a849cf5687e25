#include "app/main_window.h"

#include "app/app_state.h"
#include "app/commands.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "app/selected_object.h"
#include "app/texts.h"
#include "text/number_text.h"

#include <algorithm>
#include <cstring>
#include <string_view>

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
    std::string_view text;
    int x, y;
};

const Label LABELS[] = {
    {"Passwort:", 2, 127}, {"Kleine Buchstaben", 28, 57},        {UPPER_LABEL, 28, 79},
    {"Ziffern", 28, 101},  {"Anzahl der Zeichen(1-99):", 5, 10},
};

bool IsCheckBox(const ControlLayout& layout) {
    return std::string_view(layout.className) == "button" &&
           (layout.style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
}

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
        if (IsCheckBox(layout)) {
            SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
        }
        HFONT font = layout.font == FontKind::Label ? appState.labelFont : appState.buttonFont;
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }
}

// The count field keeps its documented width and style, without ES_AUTOHSCROLL, so it refuses a
// key whose character would not fit. Where the system's own margins leave too little room for
// "99" in its font (Wine's take 5 of its 30 pixels on each side), they are narrowed just enough.
void FitTwoDigits(HWND edit) {
    RECT format = {};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    SIZE digits = {};
    HDC dc = GetDC(edit);
    {
        const SelectedObject font(dc, appState.labelFont);
        GetTextExtentPoint32A(dc, "99", 2, &digits);
    }
    ReleaseDC(edit, dc);
    const int missing = digits.cx - (format.right - format.left);
    if (missing <= 0) {
        return;
    }
    const LRESULT margins = SendMessageA(edit, EM_GETMARGINS, 0, 0);
    const int left = LOWORD(margins), right = HIWORD(margins);
    const int fromLeft = std::min(left, (missing + 1) / 2);
    const int fromRight = std::min(right, missing - fromLeft);
    SendMessageA(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(left - fromLeft, right - fromRight));
}

// Puts the password field's selection on the clipboard as CF_TEXT (Windows makes the other text
// formats from it) with the mark that keeps it out of the clipboard history and the cloud
// clipboard. Both go on in one opening, the mark first, so that no clipboard monitor is ever told
// of the password without it. With nothing selected it copies nothing, as the edit control does.
void OnCopyPassword(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthA(edit));
    end = std::min(end, length);
    if (start >= end) {
        return;
    }
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length + 1);
    HGLOBAL mark = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DWORD));
    if (text != nullptr && mark != nullptr && OpenClipboard(edit)) {
        char* chars = static_cast<char*>(GlobalLock(text));
        GetWindowTextA(edit, chars, static_cast<int>(length + 1));
        // The selection to the front, and nothing of the rest of the password behind its end.
        std::memmove(chars, chars + start, end - start);
        std::memset(chars + (end - start), 0, length + 1 - (end - start));
        GlobalUnlock(text);
        EmptyClipboard();
        if (SetClipboardData(RegisterClipboardFormatA(EXCLUDE_FROM_MONITORS_FORMAT), mark)) {
            mark = nullptr; // the clipboard's now
            text = SetClipboardData(CF_TEXT, text) ? nullptr : text;
        }
        CloseClipboard();
    }
    GlobalFree(text); // what the clipboard did not take; GlobalFree(nullptr) does nothing
    GlobalFree(mark);
}

// The password field's window procedure, in front of the edit control's own: only its copy
// differs.
LRESULT CALLBACK PasswordEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COPY: OnCopyPassword(edit); return 0;
    default: break;
    }
    return CallWindowProcA(appState.passwordEditProc, edit, message, wParam, lParam);
}

void OnCreate(HWND window) {
    BuildMenuBar(window);
    SetSmallIcon(window);
    appState.labelFont = MakeFont(19, "Times New Roman");
    appState.buttonFont = MakeFont(15, "Arial");
    CreateControls(window);
    FitTwoDigits(appState.controls.CountEdit);
    appState.passwordEditProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(appState.controls.PasswordEdit, GWLP_WNDPROC,
                                                    reinterpret_cast<LONG_PTR>(PasswordEditProc)));
}

// Draws the five labels straight onto the window. Drawing between BeginPaint and EndPaint keeps
// them: labels drawn before the background is erased would be wiped out by the erasing. The
// background is the button face, so the text takes the colour that goes with it: the DC's default
// black vanishes on the dark face of a contrast theme.
void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    {
        const SelectedObject font(dc, appState.labelFont);
        for (const Label& label : LABELS) {
            TextOutA(dc, label.x, label.y, label.text.data(), static_cast<int>(label.text.size()));
        }
    }
    EndPaint(window, &paint);
}

} // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(window); return 0;
    // The read-only password field asks for its colours as a static control does; the answer 0
    // names no brush of the program's own, and the field keeps the system's colours for it.
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == appState.controls.PasswordEdit) {
            return 0;
        }
        break;
    case WM_PAINT: OnPaint(window); return 0;
    case WM_COMMAND: OnCommand(window, wParam, lParam); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
