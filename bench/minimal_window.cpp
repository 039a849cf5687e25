// The least a window program does: one class, one window, one message loop; with the argument
// "controls" also eleven plain children where tessorin.exe has its controls. The yardsticks for
// tessorin.exe's start-up.
#include <windows.h>

#include <cstring>

namespace {

LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Two edit fields and nine buttons, at the places and sizes of tessorin.exe's, without fonts.
void AddPlainControls(HWND window) {
    const struct {
        const char* className;
        int x, y, width, height;
    } controls[] = {
        {"edit", 170, 10, 30, 24},   {"edit", 1, 145, 231, 24},   {"button", 200, 10, 10, 12},
        {"button", 200, 22, 10, 12}, {"button", 50, 180, 80, 22}, {"button", 140, 180, 80, 22},
        {"button", 10, 180, 20, 22}, {"button", 5, 38, 225, 85},  {"button", 10, 60, 12, 12},
        {"button", 10, 82, 12, 12},  {"button", 10, 104, 12, 12}};
    for (const auto& c : controls) {
        CreateWindowExA(0, c.className, "", WS_CHILD | WS_VISIBLE, c.x, c.y, c.width, c.height,
                        window, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
}

} // namespace

int main(int argc, char** argv) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MinimalProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "Minimal";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "Minimal", "Minimal", WS_SYSMENU | WS_MINIMIZEBOX, 100, 100,
                                  240, 260, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (argc > 1 && std::strcmp(argv[1], "controls") == 0) {
        AddPlainControls(window);
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
