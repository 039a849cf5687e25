#include "app/startup.h"

#include "app/main_window.h"
#include "app/texts.h"
#include "generator/random_source.h"
#include "text/number_text.h"

namespace {

// Shows the error box of a failed start and gives the exit code 0.
int ReportFailedStart() {
    MessageBoxA(nullptr, START_FAILED_TEXT, APP_TITLE, MB_ICONERROR);
    return 0;
}

// Runs the message loop and gives the quit code.
int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace

void SeedProcessRandom(SystemRandom systemRandom) {
    uint32_t words[RANDOM_STATE_WORDS];
    const bool seeded = systemRandom(words, sizeof words) && SeedRandomWords(words);
    SecureZeroMemory(words, sizeof words);
    if (!seeded) {
        SeedRandom(ReadTimerSeconds());
    }
}

void DesktopMetrics(int32_t& width, int32_t& height, int32_t& depth, int32_t& refresh) {
    HDC screen = GetDC(nullptr);
    width = GetDeviceCaps(screen, HORZRES);
    height = GetDeviceCaps(screen, VERTRES);
    depth = GetDeviceCaps(screen, BITSPIXEL);
    refresh = GetDeviceCaps(screen, VREFRESH);
    ReleaseDC(nullptr, screen);
}

bool RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = CLASS_NAME;
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateMainWindow(int32_t desktopWidth, int32_t desktopHeight) {
    const int32_t x = RoundToInteger(desktopWidth / 2.0 - WINDOW_WIDTH / 2);
    const int32_t y = RoundToInteger(desktopHeight / 2.0 - WINDOW_HEIGHT / 2);
    return CreateWindowExA(0, CLASS_NAME, APP_TITLE, WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                           WINDOW_WIDTH, WINDOW_HEIGHT, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    int32_t width, height, depth, refresh;
    DesktopMetrics(width, height, depth, refresh);
    if (!RegisterMainClass(instance)) {
        return ReportFailedStart();
    }
    HWND window = CreateMainWindow(width, height);
    if (window == nullptr) {
        return ReportFailedStart(); // without a window the loop would wait for ever
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return RunMessageLoop();
}
