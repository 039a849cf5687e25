// tessorin_probe.dll: the window tests place it into a running tessorin.exe through a hook on the
// program's thread (SetWindowsHookEx with its thread id), so that it reads, inside the program,
// what another process cannot read through the handles under Wine: the menus, the controls'
// fonts, the window's class and its icons, and a message box's icon. Asked by the message
// "TessorinProbe" with the test's process id, it writes them as lines KEY=VALUE to
// tessorin-probe-ID.txt in the temporary folder.
#include "files.h"
#include "window_reading.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// Adds a line made as printf makes it.
template <typename... Values> void AddLine(std::string& out, const char* format, Values... values) {
    char line[256];
    std::snprintf(line, sizeof line, format, values...);
    out += line + std::string("\n");
}

// Each item of menu and of its popups, keyed by its place ("menu 1", "menu 1.0" for the first item
// of the second popup): its text, its type and state whole as GetMenuItemInfoA gives them, and
// its id, or for a popup its number of items.
void AddMenu(std::string& out, HMENU menu, const std::string& key) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        GetMenuItemInfoA(menu, UINT(i), TRUE, &item);
        const std::string at = key + (key == "menu" ? " " : ".") + std::to_string(i);
        AddLine(out, "%s=%s type %#x state %#x %s %d", at.c_str(), text, item.fType, item.fState,
                item.hSubMenu ? "items" : "id",
                item.hSubMenu ? GetMenuItemCount(item.hSubMenu) : int(item.wID));
        AddMenu(out, item.hSubMenu, at); // a null menu has no items
    }
}

void Report(HWND window, DWORD testProcess) {
    std::string out, icons;
    AddMenu(out, GetMenu(window), "menu");
    // Each control by where it stands in the client area, with its font; the icons they show.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT frame = ChildFrame(child);
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        AddLine(out, "control %ld,%ld=%s %ld weight %ld charset %d", frame.left, frame.top,
                font.lfFaceName, font.lfHeight, font.lfWeight, font.lfCharSet);
        const LRESULT icon = SendMessageA(child, STM_GETICON, 0, 0);
        icons += icon == 0                                          ? ""
                 : icon == LPARAM(LoadIconA(nullptr, IDI_QUESTION)) ? "question"
                                                                    : "other";
    }
    AddLine(out, "child icons=%s", icons.c_str());
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    WNDCLASSA c = {};
    GetClassInfoA(GetModuleHandleA(nullptr), name, &c);
    AddLine(out, "class=%s style %u extra %d brush %d menu %s application icon %d arrow %d", name,
            c.style, c.cbClsExtra + c.cbWndExtra, int(INT_PTR(c.hbrBackground)),
            c.lpszMenuName ? c.lpszMenuName : "none",
            c.hIcon == LoadIconA(nullptr, IDI_APPLICATION),
            c.hCursor == LoadCursorA(nullptr, IDC_ARROW));
    AddLine(out, "window icons=small %ld big %ld", IconSize(window, ICON_SMALL).cx,
            IconSize(window, ICON_BIG).cx);
    // Written under another name first, so that the test never reads half a report.
    const std::string path = ProbeReportPath(testProcess);
    std::ofstream(path + ".part", std::ios::binary) << out;
    MoveFileExA((path + ".part").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace

// The hook on the program's thread: sees each message that the program takes from its queue.
extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM removed, LPARAM msg) {
    const MSG& message = *reinterpret_cast<const MSG*>(msg);
    if (code == HC_ACTION && removed == PM_REMOVE &&
        message.message == RegisterWindowMessageA("TessorinProbe")) {
        Report(message.hwnd, static_cast<DWORD>(message.wParam));
    }
    return CallNextHookEx(nullptr, code, removed, msg);
}
