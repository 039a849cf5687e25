// The main window built inside the test's own process, for what cannot be seen from outside: its
// place on desktops of other sizes, commands without their buttons, a broken key.ico, a failed
// start and the seeding. What a person sees, the window tests check on tessorin.exe itself.
#include "app/app_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "class_sets.h"
#include "files.h"
#include "standard_engine.h"
#include "window_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace {

// Handles whatever has reached the thread's queue, then waits for the next message, for at most
// 10 ms.
void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
}

void RegisterOnce() {
    WNDCLASSA known;
    if (!GetClassInfoA(GetModuleHandleA(nullptr), "Tessorin", &known)) {
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
    }

    // Destroys the window, if there is one, and handles the quit message that its end posts.
    void TearDown() override {
        DestroyWindow(window_);
        window_ = nullptr;
        PumpMessages();
    }

    HWND window_ = nullptr;
};

// A key.ico in the current folder gives the small icon, 48 pixels square, also with bytes behind
// the icon; a broken one gives none, the class keeps the application icon, and the window works.
// (The window tests start the program with a good key.ico and with none.)
TEST_F(MainWindow, TakesItsSmallIconFromAGoodKeyIcoInTheCurrentFolderAlone) {
    const std::string icon = FileBytes(ProgramFolder() + "tessorin.ico");
    ASSERT_GT(icon.size(), 9000u);
    // One with 40 MB behind it, an empty file, a truncated one, and two no icons.
    const std::string contents[] = {icon + std::string(40 << 20, '\xA5'), "", icon.substr(0, 100),
                                    "no icon", std::string(5000, '\x7F')};
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    for (int variant = 0; variant < 5; ++variant) {
        const ScratchFolder folder("tessorin-icon-test", &contents[variant]);
        SetCurrentDirectoryA(folder.path.c_str());
        Open();
        SetCurrentDirectoryA(previous);
        const SIZE small = IconSize(window_, ICON_SMALL);
        EXPECT_EQ(small.cx, variant == 0 ? 48 : 0) << variant;
        EXPECT_EQ(small.cy, variant == 0 ? 48 : 0) << variant;
        EXPECT_EQ(GetClassLongPtrA(window_, GCLP_HICON),
                  reinterpret_cast<LONG_PTR>(LoadIconA(nullptr, IDI_APPLICATION)));
        SendMessageA(window_, WM_COMMAND, MAKEWPARAM(101, 0), 0);
        EXPECT_EQ(TextOf(appState.controls.PasswordEdit).size(), 8u) << variant;
        TearDown();
    }
}

// The outer rectangle is centred, each coordinate rounded to the nearest integer with ties to
// even: 1367 x 771 tells that apart from truncation, 1365 and 1366 from rounding ties up.
TEST_F(MainWindow, OpensCentredOnDesktopsOfAnySize) {
    const struct {
        int width, height, x, y;
    } desktops[] = {
        {1024, 768, 392, 254}, {1367, 771, 564, 256}, {1365, 769, 562, 254}, {1366, 767, 563, 254}};
    for (const auto& d : desktops) {
        Open(d.width, d.height);
        RECT frame;
        GetWindowRect(window_, &frame);
        EXPECT_EQ(frame.left, d.x) << d.width << " x " << d.height;
        EXPECT_EQ(frame.top, d.y) << d.width << " x " << d.height;
        TearDown();
    }
}

// A menu command carries no sender; with a button that was never created (its handle is null)
// it still runs its own command only.
TEST_F(MainWindow, MenuCommandsRunOnlyTheirOwnCommandWhenAButtonIsMissing) {
    Open();
    DestroyWindow(appState.controls.IncrementButton);
    appState.controls.IncrementButton = nullptr;
    // Each press takes the next draws: MT19937 seeded by the linear rule with 12345.
    SeedRandom(12345);
    std::mt19937 engine = StandardEngineFromSeed(12345);
    for (const char* press : {"first", "second"}) {
        SendMessageA(window_, WM_COMMAND, MAKEWPARAM(101, 0), 0);
        EXPECT_EQ(TextOf(appState.controls.PasswordEdit),
                  ReferencePassword(engine, LOWER + UPPER + DIGITS, 8))
            << press;
    }
    EXPECT_EQ(TextOf(appState.controls.CountEdit), "8");
    // A notification code in the high word is ignored.
    const std::string shown = TextOf(appState.controls.PasswordEdit);
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(101, 1), 0);
    EXPECT_EQ(TextOf(appState.controls.PasswordEdit), shown);
}

// Refuses to create windows of the program's class: a window creation that fails.
LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
    char name[16] = {};
    GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
    return code == HCBT_CREATEWND && std::string(name) == "Tessorin"
               ? 1
               : CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs open, which is to show a modal message box with this caption on this thread, or to give
// the input that shows it, and handles this thread's messages while another thread reads the box
// and answers it; where no box comes, that thread ends this thread's message loop instead. The
// box's texts as BoxTexts gives them, followed by " error icon" where it shows the error icon.
std::string AnswerBox(const char* caption, const std::function<void()>& open) {
    std::string box;
    std::atomic<bool> answered = false;
    const DWORD waiting = GetCurrentThreadId();
    std::thread answerer([&box, &answered, caption, waiting] {
        HWND found = ShownBox(caption);
        if (found == nullptr) {
            PostThreadMessageA(waiting, WM_QUIT, 99, 0);
        } else {
            box = BoxTexts(found);
            for (HWND child = GetWindow(found, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                const LRESULT icon = SendMessageA(child, STM_GETICON, 0, 0);
                box += icon == LRESULT(LoadIconA(nullptr, IDI_ERROR)) ? " error icon" : "";
            }
            PostMessageA(found, WM_COMMAND, IDOK, 0);
        }
        answered = true;
    });
    open();
    WaitUntil([&answered] { return answered.load(); }, PumpMessages);
    answerer.join();
    return box;
}

// Where the window class cannot be registered (here because it is there already) or the window
// cannot be created, start-up shows the error box and ends with exit code 0 instead of waiting for
// messages that never come.
TEST(StartUp, AFailedStartShowsTheErrorBoxAndEnds) {
    for (const bool refuseWindow : {false, true}) {
        RegisterOnce();
        HHOOK refusal = nullptr;
        if (refuseWindow) {
            UnregisterClassA("Tessorin", GetModuleHandleA(nullptr));
            refusal = SetWindowsHookExA(WH_CBT, RefuseMainWindow, nullptr, GetCurrentThreadId());
            ASSERT_NE(refusal, nullptr);
        }
        int exitCode = -1;
        const std::string box = AnswerBox("Tessorin", [&exitCode] {
            exitCode = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
        });
        UnhookWindowsHookEx(refusal); // fails harmlessly where it is null
        EXPECT_EQ(exitCode, 0) << refuseWindow;
        EXPECT_EQ(box, "Fenster konnte nicht erstellt werden|OK| error icon") << refuseWindow;
    }
}

// A system generator that gives words of no linear rule, one that gives zeros and one that fails.
BOOLEAN WINAPI OwnWords(PVOID buffer, ULONG length) {
    for (ULONG k = 0; k < length / 4; ++k) {
        static_cast<uint32_t*>(buffer)[k] = (k + 1) * 2654435761u;
    }
    return TRUE;
}
BOOLEAN WINAPI Zeros(PVOID buffer, ULONG length) {
    ZeroMemory(buffer, length);
    return TRUE;
}
BOOLEAN WINAPI Failing(PVOID, ULONG) {
    return FALSE;
}

// Start-up takes the system's words as the whole state, and seeds from the clock only where the
// system's generator fails or gives a state of zeros: the clock's whole seconds by the linear rule.
TEST(StartUp, SeedsFromTheSystemAndFromTheClockOnlyWhereTheSystemFails) {
    SeedProcessRandom(OwnWords);
    for (uint32_t k = 0; k < RANDOM_STATE_WORDS; ++k) {
        ASSERT_EQ(randomState.words[k], (k + 1) * 2654435761u) << k;
    }
    // The test's own reading of the performance counter, in seconds.
    const auto seconds = [] {
        LARGE_INTEGER count, frequency;
        QueryPerformanceCounter(&count);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
    };
    for (const SystemRandom broken : {Zeros, Failing}) {
        const double before = seconds();
        SeedProcessRandom(broken);
        const double after = seconds();
        const auto words = LinearWords(randomState.words[0]);
        EXPECT_TRUE(std::equal(words.begin(), words.end(), randomState.words));
        EXPECT_GE(randomState.words[0], static_cast<uint32_t>(before));
        EXPECT_LE(randomState.words[0], static_cast<uint32_t>(after));
    }
}

} // namespace
