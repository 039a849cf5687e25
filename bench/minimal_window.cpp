// The yardsticks for tessorin.exe's start-up. With the argument "same" it opens the same window as
// tessorin.exe, written straight through in one function: the random seed, the class, the menu
// bar, the icon lookup, the two fonts, the eleven controls with their texts, styles and fonts, the
// count field's margins, the five painted labels in the button text's colour and the password
// field's own copy, marked to stay out of the clipboard history. With "controls" it has eleven
// plain children where tessorin.exe has its controls; without an argument it is the bare window.
#include <windows.h>

#include <ntsecapi.h>

#include <algorithm>
#include <cstring>

namespace {

HFONT labelFont;
WNDPROC editProc;

// The password field's copy: its selection as CF_TEXT with the mark, in one opening.
LRESULT CALLBACK MinimalEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPY) {
        return CallWindowProcA(editProc, edit, message, wParam, lParam);
    }
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    char chars[256] = {};
    const DWORD length = static_cast<DWORD>(GetWindowTextA(edit, chars, sizeof chars));
    end = std::min(end, length);
    if (start < end && OpenClipboard(edit)) {
        HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, end - start + 1);
        std::memcpy(GlobalLock(text), chars + start, end - start);
        GlobalUnlock(text);
        EmptyClipboard();
        SetClipboardData(RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing"),
                         GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DWORD)));
        SetClipboardData(CF_TEXT, text);
        CloseClipboard();
    }
    return 0;
}

LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && labelFont != nullptr) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        HGDIOBJ previous = SelectObject(dc, labelFont);
        TextOutA(dc, 2, 127, "Passwort:", 9);
        TextOutA(dc, 28, 57, "Kleine Buchstaben", 17);
        TextOutA(dc, 28, 79,
                 "Gro\xDF"
                 "e Buchstaben",
                 16);
        TextOutA(dc, 28, 101, "Ziffern", 7);
        TextOutA(dc, 5, 10, "Anzahl der Zeichen(1-99):", 25);
        SelectObject(dc, previous);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int main(int argc, char** argv) {
    const bool same = argc > 1 && std::strcmp(argv[1], "same") == 0;
    const bool controls = argc > 1 && std::strcmp(argv[1], "controls") == 0;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (same) {
        static unsigned words[624];
        RtlGenRandom(words, sizeof words);
    }
    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW;
    windowClass.lpfnWndProc = MinimalProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "Minimal";
    RegisterClassA(&windowClass);
    int x = 100, y = 100;
    if (same) { // centred on the desktop
        HDC screen = GetDC(nullptr);
        x = GetDeviceCaps(screen, HORZRES) / 2 - 120;
        y = GetDeviceCaps(screen, VERTRES) / 2 - 130;
        ReleaseDC(nullptr, screen);
    }
    HWND window = CreateWindowExA(0, "Minimal", "Minimal", WS_SYSMENU | WS_MINIMIZEBOX, x, y, 240,
                                  260, nullptr, nullptr, instance, nullptr);
    const auto child = [window, instance](const char* className, const char* text, DWORD style,
                                          int x, int y, int width, int height, int id) {
        return CreateWindowExA(0, className, text, style, x, y, width, height, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                               nullptr);
    };
    if (same) {
        HMENU bar = CreateMenu();
        HMENU file = CreatePopupMenu();
        InsertMenuA(bar, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&Datei");
        AppendMenuA(file, 0, 101, "&Generieren");
        AppendMenuA(file, 0, 102, "E&xit");
        HMENU help = CreatePopupMenu();
        InsertMenuA(bar, 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Hilfe");
        AppendMenuA(help, 0, 103, "&Hilfe");
        SetMenu(window, bar);
        DrawMenuBar(window);
        HANDLE icon = LoadImageA(nullptr, "key.ico", IMAGE_ICON, 48, 48, LR_LOADFROMFILE);
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        labelFont = CreateFontA(19, 0, 0, 0, FW_DONTCARE, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                                "Times New Roman");
        HFONT buttonFont =
            CreateFontA(15, 0, 0, 0, FW_DONTCARE, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        const DWORD visible = WS_CHILD | WS_VISIBLE;
        const DWORD box = visible | WS_GROUP | BS_AUTOCHECKBOX;
        HWND count = child("edit", "8", visible | WS_BORDER | ES_NUMBER, 170, 10, 30, 24, 30);
        HWND all[11] = {count,
                        child("edit", "", visible | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL, 1,
                              145, 231, 24, 30),
                        child("button", "+", visible, 200, 10, 10, 12, 0),
                        child("button", "-", visible, 200, 22, 10, 12, 0),
                        child("button", "Generieren", visible, 50, 180, 80, 22, 0),
                        child("button", "Beenden", visible, 140, 180, 80, 22, 0),
                        child("button", "?", visible, 10, 180, 20, 22, 0),
                        child("button", "Verwendbare Zeichen",
                              visible | WS_GROUP | BS_LEFTTEXT | BS_GROUPBOX, 5, 38, 225, 85, 0),
                        child("button", "", box, 10, 60, 12, 12, 0),
                        child("button", "", box, 10, 82, 12, 12, 0),
                        child("button", "", box, 10, 104, 12, 12, 0)};
        for (int i = 0; i < 11; ++i) {
            if (i >= 8) {
                SendMessageA(all[i], BM_SETCHECK, BST_CHECKED, 0);
            }
            HFONT font = i == 2 || i == 3 ? buttonFont : labelFont;
            SendMessageA(all[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
        }
        editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(all[1], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MinimalEditProc)));
        // The count field's margins, narrowed where "99" would not fit, as tessorin.exe does.
        RECT format = {};
        SendMessageA(count, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        SIZE digits = {};
        HDC dc = GetDC(count);
        HGDIOBJ previous = SelectObject(dc, labelFont);
        GetTextExtentPoint32A(dc, "99", 2, &digits);
        SelectObject(dc, previous);
        ReleaseDC(count, dc);
        const int missing = digits.cx - (format.right - format.left);
        if (missing > 0) {
            const LRESULT margins = SendMessageA(count, EM_GETMARGINS, 0, 0);
            const int left = LOWORD(margins), right = HIWORD(margins);
            const int fromLeft = std::min(left, (missing + 1) / 2);
            const int fromRight = std::min(right, missing - fromLeft);
            SendMessageA(count, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                         MAKELPARAM(left - fromLeft, right - fromRight));
        }
    } else if (controls) {
        // Two edit fields and nine buttons, at the places and sizes of tessorin.exe's, no fonts.
        const struct {
            const char* className;
            int x, y, width, height;
        } plain[] = {
            {"edit", 170, 10, 30, 24},   {"edit", 1, 145, 231, 24},   {"button", 200, 10, 10, 12},
            {"button", 200, 22, 10, 12}, {"button", 50, 180, 80, 22}, {"button", 140, 180, 80, 22},
            {"button", 10, 180, 20, 22}, {"button", 5, 38, 225, 85},  {"button", 10, 60, 12, 12},
            {"button", 10, 82, 12, 12},  {"button", 10, 104, 12, 12}};
        for (const auto& c : plain) {
            child(c.className, "", WS_CHILD | WS_VISIBLE, c.x, c.y, c.width, c.height, 0);
        }
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
