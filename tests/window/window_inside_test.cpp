// The main window built inside the test's own process, for what another process cannot ask under
// Wine: menus, fonts, the small icon and the pixels of the painted labels.
#include "app/app_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/texts.h"
#include "label_pixels.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Handles whatever reached the thread's queue in the last few milliseconds.
void PumpMessages(DWORD milliseconds = 200) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// The path of a file in the folder of the test's executable.
std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

// A freshly created and shown main window, destroyed at the end of the test.
class MainWindow : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        static const bool registered = RegisterMainClass(GetModuleHandleA(nullptr));
        ASSERT_TRUE(registered);
    }

    void Open() {
        appState = AppState{};
        window_ = CreateMainWindow(1920, 1080);
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        UpdateWindow(window_);
        PumpMessages();
    }

    void TearDown() override {
        if (window_ != nullptr) {
            DestroyWindow(window_);
            PumpMessages(50);
        }
    }

    std::string MenuText(HMENU menu, UINT position) {
        char text[64] = {};
        GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
        return text;
    }

    void ExpectLabelsShown(const char* when) {
        HDC dc = GetDC(window_);
        for (const PaintedLabel& label : PAINTED_LABELS) {
            EXPECT_GT(DarkPixels(dc, label), 20) << label.text << " " << when;
        }
        ReleaseDC(window_, dc);
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
    std::ifstream file(BesideThisProgram("tessorin.ico"), std::ios::binary);
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
    PumpMessages();
    ExpectLabelsShown("after the whole window was invalidated");

    ShowWindow(window_, SW_MINIMIZE);
    PumpMessages();
    ShowWindow(window_, SW_RESTORE);
    PumpMessages();
    ExpectLabelsShown("after minimising and restoring");

    RECT frame;
    GetWindowRect(window_, &frame);
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "static", "", WS_POPUP | WS_VISIBLE, frame.left,
                                 frame.top, 240, 260, nullptr, nullptr, nullptr, nullptr);
    PumpMessages();
    DestroyWindow(cover);
    PumpMessages();
    ExpectLabelsShown("after being covered and uncovered");
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
