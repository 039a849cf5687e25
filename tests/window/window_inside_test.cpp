// The main window built inside the test's own process, for what another process cannot ask under
// Wine: menus, fonts, the small icon and the pixels of the painted labels.
#include "app/app_state.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/texts.h"
#include "label_pixels.h"
#include "window_helpers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Handles whatever has reached the thread's queue, then rests for 10 ms.
void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    Sleep(10);
}

void RegisterOnce() {
    WNDCLASSA known;
    if (!GetClassInfoA(GetModuleHandleA(nullptr), CLASS_NAME, &known)) {
        ASSERT_TRUE(RegisterMainClass(GetModuleHandleA(nullptr)));
    }
}

// A freshly created and shown main window, destroyed at the end of the test.
class MainWindow : public testing::Test {
  protected:
    static void SetUpTestSuite() { RegisterOnce(); }

    void Open(int desktopWidth = 1920, int desktopHeight = 1080) {
        appState = AppState{};
        window_ = CreateMainWindow(desktopWidth, desktopHeight);
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        UpdateWindow(window_);
        // Waits until the window has painted; the tests that are about the labels check them.
        (void)LabelsAppear(window_, false, PumpMessages);
    }

    void TearDown() override {
        if (window_ != nullptr) {
            DestroyWindow(window_);
            PumpMessages();
        }
    }

    std::string MenuText(HMENU menu, UINT position) {
        char text[64] = {};
        GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
        return text;
    }

    void ExpectLabelsShown(const char* when) {
        EXPECT_TRUE(LabelsAppear(window_, false, PumpMessages)) << when;
    }

    HWND window_ = nullptr;
};

TEST_F(MainWindow, HasTheTwoPopupsWithTheirCommands) {
    Open();
    HMENU bar = GetMenu(window_);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(MenuText(bar, 0), "&Datei");
    EXPECT_EQ(MenuText(bar, 1), "&Hilfe");
    HMENU file = GetSubMenu(bar, 0);
    HMENU help = GetSubMenu(bar, 1);
    EXPECT_EQ(file, appState.PopupTable[0]);
    EXPECT_EQ(help, appState.PopupTable[1]);
    ASSERT_EQ(GetMenuItemCount(file), 2);
    EXPECT_EQ(MenuText(file, 0), "&Generieren");
    EXPECT_EQ(GetMenuItemID(file, 0), 101u);
    EXPECT_EQ(MenuText(file, 1), "E&xit");
    EXPECT_EQ(GetMenuItemID(file, 1), 102u);
    ASSERT_EQ(GetMenuItemCount(help), 1);
    EXPECT_EQ(MenuText(help, 0), "&Hilfe");
    EXPECT_EQ(GetMenuItemID(help, 0), 103u);
}

TEST_F(MainWindow, GivesEachControlItsFont) {
    Open();
    LOGFONTA label = {}, button = {};
    ASSERT_TRUE(GetObjectA(appState.labelFont, sizeof label, &label));
    ASSERT_TRUE(GetObjectA(appState.buttonFont, sizeof button, &button));
    EXPECT_EQ(label.lfHeight, 19);
    EXPECT_STREQ(label.lfFaceName, "Times New Roman");
    EXPECT_EQ(label.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(label.lfWeight, FW_DONTCARE);
    EXPECT_EQ(button.lfHeight, 15);
    EXPECT_STREQ(button.lfFaceName, "Arial");

    const Controls& c = appState.controls;
    for (HWND control : {c.CountEdit, c.PasswordEdit, c.GenerateButton, c.ExitButton, c.HelpButton,
                         c.CharsetGroup, c.LowerCheck, c.UpperCheck, c.DigitCheck}) {
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)),
                  appState.labelFont);
    }
    for (HWND control : {c.IncrementButton, c.DecrementButton}) {
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)),
                  appState.buttonFont);
    }
}

// Runs the window's creation in a folder holding key.ico with these bytes, or none.
class SmallIcon : public MainWindow {
  protected:
    void OpenWithIconFile(const std::string* bytes) {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        std::string path = std::string(folder) + "tessorin-icon-test";
        CreateDirectoryA(path.c_str(), nullptr);
        DeleteFileA((path + "\\key.ico").c_str());
        if (bytes != nullptr) {
            std::ofstream(path + "\\key.ico", std::ios::binary) << *bytes;
        }
        char previous[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, previous);
        SetCurrentDirectoryA(path.c_str());
        Open();
        SetCurrentDirectoryA(previous);
    }

    HICON Icon(WPARAM kind) {
        return reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, kind, 0));
    }
};

TEST_F(SmallIcon, ComesFromKeyIcoInTheCurrentFolder) {
    std::ifstream file(ProgramFolder() + "tessorin.ico", std::ios::binary);
    const std::string icon((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    ASSERT_GT(icon.size(), 9000u);
    OpenWithIconFile(&icon);
    HICON small = Icon(ICON_SMALL);
    ASSERT_NE(small, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(small, &info));
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 48);
    EXPECT_EQ(bitmap.bmHeight, 48);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(SmallIcon, IsAbsentWithoutAFileOrWithABrokenOne) {
    OpenWithIconFile(nullptr);
    EXPECT_EQ(Icon(ICON_SMALL), nullptr);
    EXPECT_EQ(GetClassLongPtrA(window_, GCLP_HICON),
              reinterpret_cast<LONG_PTR>(LoadIconA(nullptr, IDI_APPLICATION)));
    DestroyWindow(window_);
    const std::string broken = "not an icon at all";
    OpenWithIconFile(&broken);
    EXPECT_EQ(Icon(ICON_SMALL), nullptr);
    EXPECT_TRUE(IsWindowVisible(appState.controls.GenerateButton));
}

TEST_F(MainWindow, PaintsItsLabelsAndPaintsThemAgain) {
    Open();
    ExpectLabelsShown("at first");

    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
    ExpectLabelsShown("after the whole window was invalidated");

    ShowWindow(window_, SW_MINIMIZE);
    WaitUntil([this] { return IsIconic(window_) != FALSE; }, PumpMessages);
    ShowWindow(window_, SW_RESTORE);
    ExpectLabelsShown("after minimising and restoring");

    RECT frame;
    GetWindowRect(window_, &frame);
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "static", "", WS_POPUP | WS_VISIBLE, frame.left,
                                 frame.top, 240, 260, nullptr, nullptr, nullptr, nullptr);
    // The window's own surface keeps its labels under the cover; the screen shows the cover.
    EXPECT_TRUE(WaitUntil([this] { return !LabelsShow(window_, true); }, PumpMessages))
        << "the cover did not hide the labels";
    DestroyWindow(cover);
    ExpectLabelsShown("after being covered and uncovered");
}

// The outer rectangle is centred, each coordinate rounded to the nearest integer with ties to
// even: 1367 x 771 tells that apart from truncation, 1365 and 1366 from rounding ties up.
TEST_F(MainWindow, OpensCentredOnDesktopsOfAnySize) {
    const struct {
        int width, height, x, y;
    } desktops[] = {{1920, 1080, 840, 410},
                    {1024, 768, 392, 254},
                    {1367, 771, 564, 256},
                    {1365, 769, 562, 254},
                    {1366, 767, 563, 254}};
    for (const auto& d : desktops) {
        Open(d.width, d.height);
        RECT frame;
        GetWindowRect(window_, &frame);
        EXPECT_EQ(frame.left, d.x) << d.width << " x " << d.height;
        EXPECT_EQ(frame.top, d.y) << d.width << " x " << d.height;
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

// A menu command carries no sender; with a button that was never created (its handle is null)
// it still runs its own command only.
TEST_F(MainWindow, MenuCommandsRunOnlyTheirOwnCommandWhenAButtonIsMissing) {
    Open();
    DestroyWindow(appState.controls.IncrementButton);
    appState.controls.IncrementButton = nullptr;
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDM_GENERATE, 0), 0);
    EXPECT_EQ(TextOf(appState.controls.PasswordEdit).size(), 8u);
    EXPECT_EQ(TextOf(appState.controls.CountEdit), "8");
}

// Refuses to create windows of the program's class: a window creation that fails.
LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
    char name[16] = {};
    GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
    if (code == HCBT_CREATEWND && std::string(name) == CLASS_NAME) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string errorBoxTexts;

// Reads and answers the error box; ends the waiting thread's loop when no box comes.
DWORD WINAPI AnswerErrorBox(LPVOID waitingThread) {
    HWND box = nullptr;
    if (!WaitUntil([&box] { return (box = FindWindowA("#32770", APP_TITLE)) != nullptr; })) {
        PostThreadMessageA(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(waitingThread)), WM_QUIT,
                           99, 0);
        return 0;
    }
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        errorBoxTexts += TextOf(child) + "|";
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
}

// Where the window cannot be created, start-up shows the error box and ends with exit code 0
// instead of waiting for messages that never come.
TEST(StartUp, AFailedWindowCreationShowsTheErrorBoxAndEnds) {
    RegisterOnce();
    UnregisterClassA(CLASS_NAME, GetModuleHandleA(nullptr));
    HHOOK refusal = SetWindowsHookExA(WH_CBT, RefuseMainWindow, nullptr, GetCurrentThreadId());
    ASSERT_NE(refusal, nullptr);
    HANDLE answerer = CreateThread(
        nullptr, 0, AnswerErrorBox,
        reinterpret_cast<LPVOID>(static_cast<UINT_PTR>(GetCurrentThreadId())), 0, nullptr);
    const int exitCode = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    WaitForSingleObject(answerer, Scaled(10000));
    CloseHandle(answerer);
    UnhookWindowsHookEx(refusal);
    EXPECT_EQ(exitCode, 0);
    EXPECT_NE(errorBoxTexts.find("Fenster konnte nicht erstellt werden"), std::string::npos)
        << errorBoxTexts;
}

// The texts are single-byte Windows-1252, whatever the encoding of the source files.
TEST(Texts, AreWindows1252WithOneBytePerLetter) {
    EXPECT_EQ(std::string(UPPER_LABEL), "Gro\xDF"
                                        "e Buchstaben");
    EXPECT_EQ(sizeof UPPER_LABEL - 1, 16u);
    const std::string help = HelpText;
    EXPECT_EQ(help.size(), 205u);
    EXPECT_EQ(help.substr(help.find("m\xF6"), 8), "m\xF6"
                                                  "chten.");
    EXPECT_EQ(help.substr(help.find("w\xE4"), 6), "w\xE4"
                                                  "hlen");
    EXPECT_EQ(help.find_first_of("\xC3\xC2"), std::string::npos) << "no UTF-8 lead bytes";
    EXPECT_EQ(help.substr(help.size() - 29), "\". Das Passwort wird erstellt");
}

} // namespace
