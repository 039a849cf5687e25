// tessorin.exe as a user meets it: started, clicked, typed into, pasted into and closed.
#include "class_sets.h"
#include "program_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

TEST(Window, OpensCentredWithItsFixedSizeAndStyle) {
    ProgramDriver program;
    RECT frame;
    GetWindowRect(program.Window(), &frame);
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    EXPECT_EQ(frame.left, 840);
    EXPECT_EQ(frame.top, 410);
    EXPECT_EQ(frame.right - frame.left, 240);
    EXPECT_EQ(frame.bottom - frame.top, 260);
    EXPECT_EQ(TextOf(program.Window()), "Tessorin");
    // WS_SYSMENU and WS_MINIMIZEBOX as created; the system adds a caption and clipping to every
    // overlapped window, the edge to its frame, and showing it makes it visible.
    EXPECT_EQ(GetWindowLongA(program.Window(), GWL_STYLE), 0x14CA0000);
    EXPECT_EQ(GetWindowLongA(program.Window(), GWL_EXSTYLE), WS_EX_WINDOWEDGE);
    EXPECT_NE(GetMenu(program.Window()), nullptr);
}

// The controls at start: the count 8, no password and all three classes ticked.
TEST(Window, LaysOutItsElevenControls) {
    ProgramDriver program;
    struct Expected {
        int x, y, width, height;
        const char* className;
        const char* text;
        LONG style;
        int id;
        bool ticked;
    };
    const Expected controls[] = {
        {170, 10, 30, 24, "Edit", "8", 0x50802000, 30, false},
        {1, 145, 231, 24, "Edit", "", 0x50800880, 30, false},
        {200, 10, 10, 12, "Button", "+", 0x50000000, 0, false},
        {200, 22, 10, 12, "Button", "-", 0x50000000, 0, false},
        {50, 180, 80, 22, "Button", "Generieren", 0x50000000, 0, false},
        {140, 180, 80, 22, "Button", "Beenden", 0x50000000, 0, false},
        {10, 180, 20, 22, "Button", "?", 0x50000000, 0, false},
        {5, 38, 225, 85, "Button", "Verwendbare Zeichen", 0x50020027, 0, false},
        {10, 60, 12, 12, "Button", "", 0x50020003, 0, true},
        {10, 82, 12, 12, "Button", "", 0x50020003, 0, true},
        {10, 104, 12, 12, "Button", "", 0x50020003, 0, true},
    };
    int children = 0;
    for (HWND child = GetWindow(program.Window(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        ++children;
    }
    EXPECT_EQ(children, 11);
    for (const Expected& e : controls) {
        HWND control = program.ControlAt(e.x, e.y);
        ASSERT_NE(control, nullptr) << e.x << "," << e.y;
        RECT frame;
        GetWindowRect(control, &frame);
        EXPECT_EQ(frame.right - frame.left, e.width) << e.text;
        EXPECT_EQ(frame.bottom - frame.top, e.height) << e.text;
        char className[64] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, e.className) << e.text;
        EXPECT_EQ(TextOf(control), e.text);
        EXPECT_EQ(IsChecked(control), e.ticked) << e.x << "," << e.y;
        // Wine's edit controls take WS_BORDER out of their style and draw the border themselves,
        // so the border is looked for on the screen: the window frame's colour at its corners.
        const LONG border = e.id == 30 ? WS_BORDER : 0;
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & ~border, e.style & ~border) << e.text;
        EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE), 0) << e.text;
        EXPECT_EQ(GetWindowLongA(control, GWL_ID), e.id) << e.text;
        if (border != 0) {
            HDC screen = GetDC(nullptr);
            for (const POINT& p :
                 {POINT{frame.left, frame.top}, POINT{frame.right - 1, frame.top},
                  POINT{frame.left, frame.bottom - 1}, POINT{frame.right - 1, frame.bottom - 1}}) {
                EXPECT_EQ(GetPixel(screen, p.x, p.y), GetSysColor(COLOR_WINDOWFRAME)) << e.text;
            }
            ReleaseDC(nullptr, screen);
        }
    }
}

TEST(Generate, DrawsFromEveryCombinationOfTickedClasses) {
    ProgramDriver program;
    const std::string first = program.Generate();
    EXPECT_EQ(first.size(), 8u);
    EXPECT_TRUE(DrawnFrom(first, LOWER + UPPER + DIGITS)) << first;
    EXPECT_EQ(TextOf(program.CountEdit()), "8");

    program.Type(program.CountEdit(), "99");
    HWND boxes[3] = {program.LowerCheck(), program.UpperCheck(), program.DigitCheck()};
    const std::string sets[3] = {LOWER, UPPER, DIGITS};
    for (const Flags& flags : ALL_FLAGS) {
        const bool wanted[3] = {flags.lower != 0, flags.upper != 0, flags.digits != 0};
        for (int i = 0; i < 3; ++i) {
            if (wanted[i] != IsChecked(boxes[i])) {
                const std::string before = TextOf(program.PasswordEdit());
                program.Toggle(boxes[i]);
                EXPECT_EQ(TextOf(program.PasswordEdit()), before) << "a tick alone changes nothing";
            }
        }
        const std::string password = program.Generate();
        ASSERT_EQ(password.size(), 99u) << PoolOf(flags);
        EXPECT_TRUE(DrawnFrom(password, PoolOf(flags))) << password;
        // With 99 characters every ticked class shows up except by a rare chance.
        for (int i = 0; i < 3; ++i) {
            if (wanted[i] && PoolOf(flags).size() <= 36) {
                EXPECT_NE(password.find_first_of(sets[i]), std::string::npos) << PoolOf(flags);
            }
        }
    }
    program.Toggle(boxes[2]);
    EXPECT_EQ(program.Generate(), "") << "no class ticked replaces the password with nothing";
}

TEST(Generate, TheMenuItemDoesWhatTheButtonDoes) {
    ProgramDriver program;
    program.Type(program.CountEdit(), "17");
    const std::string password = program.Changed(
        program.PasswordEdit(), [&] { ChooseMenuItem(program.Window(), 'D', 'G'); });
    EXPECT_EQ(password.size(), 17u);
    EXPECT_TRUE(DrawnFrom(password, LOWER + UPPER + DIGITS));
    // A notification code in the high word is ignored.
    SendMessageA(program.Window(), WM_COMMAND, MAKEWPARAM(101, 1), 0);
    EXPECT_EQ(TextOf(program.PasswordEdit()), password);
}

// Pasted counts: Generate reads the field's first three characters as an integer and leaves the
// field alone; the steps read them as a rounded real and stay within 1 and 99 upwards.
TEST(Steps, ReadTheFirstThreeCharactersOfTheCountAndStayWithinItsBounds) {
    ProgramDriver program;
    const struct {
        const char* text;
        std::size_t length;
        const char* up;
        const char* down;
    } cases[] = {
        {"8", 8, "9", "7"},        {"98", 98, "99", "97"},  {"99", 99, "99", "98"},
        {"150", 99, "99", "149"},  {"1", 1, "2", "1"},      {"", 0, "1", "1"},
        {"0", 0, "1", "1"},        {"1e2", 1, "99", "99"},  {"2.5", 2, "3", "1"},
        {"3.5", 3, "5", "3"},      {"&HF", 15, "16", "14"}, {"999", 99, "99", "998"},
        {"inf", 0, "1", "1"},      {"nan", 0, "1", "1"},    {"-5", 0, "1", "1"},
        {"-99", 0, "1", "1"},      {"abc", 0, "1", "1"},    {"1234", 99, "99", "122"},
        {" 42", 42, "43", "41"},   {"  7", 7, "8", "6"},    {"007", 7, "8", "6"},
        {"\xE4\xF6", 0, "1", "1"},
    };
    for (const auto& c : cases) {
        program.PasteCount(c.text);
        EXPECT_EQ(program.Generate().size(), c.length) << c.text;
        EXPECT_EQ(TextOf(program.CountEdit()), c.text) << "Generate leaves the count's text";
        EXPECT_EQ(program.CountAfter(program.IncrementButton()), c.up) << c.text;
        program.PasteCount(c.text);
        EXPECT_EQ(program.CountAfter(program.DecrementButton()), c.down) << c.text;
    }
}

TEST(Steps, TypedDigitsCountAndTypedLettersAreRefused) {
    ProgramDriver program;
    const struct {
        const char* typed;
        const char* shown;
        std::size_t length;
    } cases[] = {
        {"5", "5", 5}, {"12", "12", 12}, {"99", "99", 99}, {"16", "16", 16}, {"7x-.e+&", "7", 7}};
    for (const auto& c : cases) {
        program.Type(program.CountEdit(), c.typed);
        EXPECT_TRUE(WaitUntil([&] { return TextOf(program.CountEdit()) == c.shown; })) << c.typed;
        EXPECT_EQ(program.Generate().size(), c.length) << c.typed;
    }
    EXPECT_EQ(program.CountAfter(program.IncrementButton()), "8");
}

// What the guide promises about the keys: Tab leaves the focus in the count field, Enter does
// nothing, and a double click in the password field selects the whole password.
TEST(Keys, TabAndEnterDoNothingAndADoubleClickSelectsThePassword) {
    ProgramDriver program;
    ClickOn(program.CountEdit());
    // The 5 reaches the count field only where the focus has stayed there.
    PressKeys(program.CountEdit(), {VK_END, VK_TAB, VK_RETURN, VK_TAB, '5'});
    EXPECT_TRUE(WaitUntil([&] { return TextOf(program.CountEdit()) == "85"; })) << "Tab moved on";
    EXPECT_EQ(TextOf(program.PasswordEdit()), "") << "Enter made a password";

    const std::string password = program.Generate();
    ClickOn(program.PasswordEdit(), 2);
    EXPECT_TRUE(WaitUntil([&] {
        const LRESULT selection = SendMessageA(program.PasswordEdit(), EM_GETSEL, 0, 0);
        return selection == MAKELRESULT(0, password.size());
    })) << "the double click did not select the whole password";
}

// Every road out of the program ends it with exit code 0.
TEST(Closing, EveryRouteEndsTheProgramWithExitCodeZero) {
    const std::string routes[] = {"Beenden", "menu Exit", "close box", "Alt+F4", "WM_CLOSE"};
    for (const std::string& name : routes) {
        ProgramDriver program;
        if (name == "Beenden") {
            ClickOn(program.ExitButton());
        } else if (name == "menu Exit") {
            ChooseMenuItem(program.Window(), 'D', 'X');
        } else if (name == "close box") {
            // The caption's right end, where the system draws the close box.
            RECT frame;
            GetWindowRect(program.Window(), &frame);
            const int edge = GetSystemMetrics(SM_CXFIXEDFRAME);
            const int caption = GetSystemMetrics(SM_CYCAPTION);
            const POINT box = {frame.right - edge - caption / 2, frame.top + edge + caption / 2};
            ASSERT_EQ(SendMessageA(program.Window(), WM_NCHITTEST, 0, MAKELPARAM(box.x, box.y)),
                      HTCLOSE);
            ClickAt(program.Window(), box);
        } else if (name == "Alt+F4") {
            PressKeys(program.Window(), {VK_F4}, VK_MENU);
        } else {
            PostMessageA(program.Window(), WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(program.WaitForExit(), 0u) << name;
    }
}

// What the program is started with changes nothing: extra arguments, and a show state other than
// normal, since the program asks for a normal window. (Wine heeds that request; Windows itself
// applies the caller's show state to a program's first ShowWindow.)
TEST(StartUp, ArgumentsAndTheShowStateChangeNothing) {
    ProgramDriver program("", "--help /? \"zwei Worte\" 42", SW_SHOWMINNOACTIVE);
    EXPECT_FALSE(IsIconic(program.Window()));
    EXPECT_EQ(TextOf(program.CountEdit()), "8");
    EXPECT_EQ(program.Generate().size(), 8u);
    EXPECT_EQ(program.Quit(), 0u);
}

// The window opens whatever key.ico in the current folder holds.
TEST(StartUp, OpensWithAGoodABrokenOrNoIconFile) {
    const std::string icon = FileBytes(ProgramFolder() + "tessorin.ico");
    ASSERT_FALSE(icon.empty());
    // A good icon, an empty file, a truncated one, one that is no icon, and one of 40 MB.
    const std::string contents[] = {icon, "", icon.substr(0, 100), std::string(5000, '\x7F'),
                                    icon + std::string(40 << 20, '\xA5')};
    for (int variant = -1; variant < 5; ++variant) {
        ProgramDriver program(
            FolderWithKeyIcon("tessorin-window-test", variant < 0 ? nullptr : &contents[variant]));
        EXPECT_EQ(program.Generate().size(), 8u) << "variant " << variant;
        EXPECT_EQ(program.Quit(), 0u);
    }
    FolderWithKeyIcon("tessorin-window-test", nullptr);
}

// The password goes into its field and nowhere else: no file and no clipboard.
TEST(StartUp, LeavesNoFileAndTheClipboardAlone) {
    const std::string folder = TempFolder("tessorin-empty-folder");
    const DWORD clipboard = GetClipboardSequenceNumber();
    {
        ProgramDriver program(folder);
        program.Type(program.CountEdit(), "99");
        for (int i = 0; i < 20; ++i) {
            ASSERT_EQ(program.Generate().size(), 99u);
        }
        EXPECT_EQ(program.Quit(), 0u);
    }
    EXPECT_EQ(GetClipboardSequenceNumber(), clipboard);
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "the program left a file in " << folder;
    RemoveDirectoryA(folder.c_str());
}

// Two programs started together make different passwords: each draws its own random state.
TEST(StartUp, TwoProgramsStartedTogetherMakeDifferentPasswords) {
    ProgramDriver first{ProgramDriver::NoWait{}};
    ProgramDriver second{ProgramDriver::NoWait{}};
    first.AwaitWindow();
    second.AwaitWindow();
    // One after the other: input goes to the window in front, and both stand at the same place.
    first.Type(first.CountEdit(), "99");
    const std::string a = first.Generate();
    second.Type(second.CountEdit(), "99");
    const std::string b = second.Generate();
    ASSERT_EQ(a.size(), 99u);
    ASSERT_EQ(b.size(), 99u);
    EXPECT_NE(a, b);
}

} // namespace
