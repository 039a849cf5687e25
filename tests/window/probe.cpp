// tessorin_probe.dll: the window tests place it into a running tessorin.exe through a hook on the
// program's thread (SetWindowsHookEx with its thread id), so that it reads, inside the program,
// what another process cannot read through the handles under Wine: the menus, the controls'
// fonts, the window's class and its icons, and a message box's icon. Asked by the message
// "TessorinProbe" with the test's process id, it writes them as lines of text to
// tessorin-probe-ID.txt in the temporary folder.
#include "window_helpers.h"

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

// Each item of menu and of its popups, indented by depth: its text, its type and state as
// GetMenuState gives them (for a popup, its number of items in the high byte) and its id.
void AddMenu(std::string& out, HMENU menu, int indent) {
    for (UINT i = 0; int(i) < GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        AddLine(out, "%*s%s flags %#x id %d", indent, "", text,
                GetMenuState(menu, i, MF_BYPOSITION), int(GetMenuItemID(menu, int(i))));
        AddMenu(out, GetSubMenu(menu, int(i)), indent + 2); // a null menu has no items
    }
}

void Report(HWND window, DWORD testProcess) {
    std::string out;
    AddMenu(out, GetMenu(window), 0);
    // Each control by where it stands in the client area, with its font and its icon.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT frame = ChildFrame(child);
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        const LRESULT icon = SendMessageA(child, STM_GETICON, 0, 0);
        AddLine(out, "%ld,%ld font %s %ld weight %ld charset %d%s", frame.left, frame.top,
                font.lfFaceName, font.lfHeight, font.lfWeight, font.lfCharSet,
                icon == 0                                          ? ""
                : icon == LPARAM(LoadIconA(nullptr, IDI_QUESTION)) ? " question icon"
                                                                   : " other icon");
    }
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    WNDCLASSA c = {};
    GetClassInfoA(GetModuleHandleA(nullptr), name, &c);
    AddLine(out, "class %s style %u extra %d brush %d menu %s application icon %d arrow %d", name,
            c.style, c.cbClsExtra + c.cbWndExtra, int(INT_PTR(c.hbrBackground)),
            c.lpszMenuName ? c.lpszMenuName : "none",
            c.hIcon == LoadIconA(nullptr, IDI_APPLICATION),
            c.hCursor == LoadCursorA(nullptr, IDC_ARROW));
    AddLine(out, "small icon %ld big icon %ld", IconSize(window, ICON_SMALL).cx,
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
