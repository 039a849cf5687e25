// tessorin.exe as a user meets it: started, clicked, typed into, pasted into and closed.
#include "class_sets.h"
#include "label_pixels.h"
#include "program_driver.h"
#include "system_state.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// The window opens centred and active, of its fixed size and style, with its controls at start:
// the count 8, no password and all three classes ticked; its labels painted, its menus, fonts and
// class, and the small icon from key.ico in the folder it starts in.
TEST(Window, OpensCentredWithItsFixedSizeStyleAndElevenControls) {
    const std::string icon = FileBytes(ProgramFolder() + "tessorin.ico");
    const ScratchFolder folder("tessorin-key-icon", &icon); // goes after the program
    ProgramDriver program(folder.path);
    // Active in its own thread as it shows, before any input of the test's; in the foreground
    // too, unless Windows keeps that from a program whose starter is not in front.
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(program.Window(), nullptr), &thread);
    EXPECT_EQ(thread.hwndActive, program.Window()) << "the window is not active as it shows";
    const bool inFront = GetForegroundWindow() == program.Window();
    EXPECT_TRUE(LabelsAppear(program.Window()));
    // Each menu entry a plain enabled string (type and state 0), the access keys marked by "&";
    // eleven controls at their places in their fonts, none with an icon. Redrawn whole on any
    // change of size, the button face behind everything, the application icon where the window has
    // none of its own, the arrow cursor, and the small icon 48 pixels wide.
    ProbeReport expected = {
        {"menu 0", "&Datei type 0 state 0 items 2"},
        {"menu 0.0", "&Generieren type 0 state 0 id 101"},
        {"menu 0.1", "E&xit type 0 state 0 id 102"},
        {"menu 1", "&Hilfe type 0 state 0 items 1"},
        {"menu 1.0", "&Hilfe type 0 state 0 id 103"},
        {"child icons", ""},
        {"class", "Tessorin style 3 extra 0 brush 16 menu none application icon 1 arrow 1"},
        {"window icons", "small 48 big 0"}};
    for (const ControlSpec& e : CONTROLS) {
        expected["control " + std::to_string(e.x) + "," + std::to_string(e.y)] = e.font;
    }
    EXPECT_EQ(program.Probe(), expected);
    RECT frame;
    GetWindowRect(program.Window(), &frame);
    // Centred on the screen as the test reads it, to the pixel (840, 410 on the 1920 x 1080 display
    // of the test command; the window's own tests hold the rounding).
    EXPECT_LE(std::abs(2 * frame.left - (GetSystemMetrics(SM_CXSCREEN) - 240)), 1);
    EXPECT_LE(std::abs(2 * frame.top - (GetSystemMetrics(SM_CYSCREEN) - 260)), 1);
    EXPECT_EQ(frame.right - frame.left, 240);
    EXPECT_EQ(frame.bottom - frame.top, 260);
    // WS_SYSMENU and WS_MINIMIZEBOX as created; the system adds a caption and clipping to every
    // overlapped window, the edge to its frame, and showing it makes it visible.
    EXPECT_EQ(GetWindowLongA(program.Window(), GWL_STYLE), 0x14CA0000);
    EXPECT_EQ(GetWindowLongA(program.Window(), GWL_EXSTYLE), WS_EX_WINDOWEDGE);
    for (const ControlSpec& e : CONTROLS) {
        HWND control = program.ControlAt(e.x, e.y);
        ASSERT_NE(control, nullptr) << e.x << "," << e.y;
        GetWindowRect(control, &frame);
        EXPECT_EQ(frame.right - frame.left, e.width) << e.text;
        EXPECT_EQ(frame.bottom - frame.top, e.height) << e.text;
        char className[64] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, e.className) << e.text;
        EXPECT_EQ(TextOf(control), e.text);
        EXPECT_EQ(IsChecked(control), e.ticked) << e.x << "," << e.y;
        // Wine's edit controls take WS_BORDER out of their style and draw the border themselves,
        // while Windows keeps it; the border is looked for on the screen too: the window frame's
        // colour at its corners.
        const LONG border = e.id == 30 && UnderWine() ? WS_BORDER : 0;
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & ~border, e.style & ~border) << e.text;
        EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE), 0) << e.text;
        EXPECT_EQ(GetWindowLongA(control, GWL_ID), e.id) << e.text;
        if (e.id == 30 && DisplayScale() == 100) { // the screen is read unscaled
            HDC screen = GetDC(nullptr);
            for (const POINT& p :
                 {POINT{frame.left, frame.top}, POINT{frame.right - 1, frame.top},
                  POINT{frame.left, frame.bottom - 1}, POINT{frame.right - 1, frame.bottom - 1}}) {
                EXPECT_EQ(GetPixel(screen, p.x, p.y), GetSysColor(COLOR_WINDOWFRAME)) << e.text;
            }
            ReleaseDC(nullptr, screen);
        }
    }
    if (const int scale = DisplayScale(); scale != 100) {
        GTEST_SKIP() << (scale == 0 ? std::string("this Windows cannot tell a test the display's "
                                                  "scale (Windows 10 can from version 1607)")
                                    : "the display is scaled to " + std::to_string(scale) + " %")
                     << ": the labels' pixels were not compared in any test"
                     << (scale == 0 ? "" : " (they are compared at 100 %)");
    }
    if (!inFront) {
        GTEST_SKIP() << "Windows did not put the program's window in front as it showed: the "
                        "system refuses the foreground to a program started by one that is not in "
                        "front; that the window is active in its thread was checked";
    }
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
        program.SetCountText(c.text);
        EXPECT_EQ(program.Generate().size(), c.length) << c.text;
        EXPECT_EQ(TextOf(program.Control(COUNT_EDIT)), c.text)
            << "Generate leaves the count's text";
        EXPECT_EQ(program.CountAfter(program.Control(INCREMENT_BUTTON)), c.up) << c.text;
        program.SetCountText(c.text);
        EXPECT_EQ(program.CountAfter(program.Control(DECREMENT_BUTTON)), c.down) << c.text;
    }
}

// A person's session in one run, in an empty folder: after every step, what must have changed and
// what must stay, of the password, the count, the ticks, the window's state, its painted labels
// and the clipboard, which only the copies and the test itself change, each with one update that a
// clipboard listener sees: the password's marked to stay out of the clipboard history, the
// count's not. Every combination of ticks makes passwords of its own classes. What Windows sends a
// program in a session's life, a change of the system's colours and settings and at last the
// session's end, changes nothing of it. The program leaves no file behind, and the clipboard as it
// was found comes back whole (the kit's own test below holds it to that).
TEST(Session, EveryStepChangesWhatItShouldAndNothingElse) {
    const ClipboardKeeper person; // what the clipboard held, given back however the test ends
    const ScratchFolder folder("tessorin-empty-folder");
    ProgramDriver program(folder.path);
    HWND window = program.Window(), countField = program.Control(COUNT_EDIT);
    HWND password = program.Control(PASSWORD_EDIT), generate = program.Control(GENERATE_BUTTON);
    HWND boxes[3] = {program.Control(LOWER_CHECK), program.Control(UPPER_CHECK),
                     program.Control(DIGIT_CHECK)};
    const std::string sets[3] = {LOWER, UPPER, DIGITS};
    EXPECT_EQ(program.Probe()["window icons"], "small 0 big 0");
    // Another program's window, over the upper half of this one, labels and count field included.
    RECT frame;
    GetWindowRect(window, &frame);
    HWND other = CreateWindowExA(0, "button", "", WS_POPUP | WS_VISIBLE, frame.left, frame.top, 240,
                                 130, nullptr, nullptr, nullptr, nullptr);
    AddClipboardFormatListener(other);
    // The face colour changed for the whole system for some steps. The program paints in the
    // system's colours, but Wine keeps each process's own table, so there it keeps the first.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::optional<SystemColours> changed;
    std::string help;                   // the help box's texts and icon, each time it shows
    const auto answer = [&](WORD key) { // by a click on OK, or by a key
        return [&, key] {
            HWND box = ShownBox("Hilfe");
            help += BoxTexts(box) + (GetWindow(box, GW_OWNER) == window ? " owned" : " not owned") +
                    (program.Probe(box)["child icons"] == "question" ? ", ?\n" : "\n");
            if (key == IDOK) {
                ClickOn(GetDlgItem(box, IDOK));
            } else {
                PressKeys(box, {key});
            }
        };
    };
    // What Windows sends every window at a change of settings, display, fonts, time or theme,
    // and at the return from standby.
    const auto broadcast = [window] {
        for (UINT m : {WM_SETTINGCHANGE, WM_DISPLAYCHANGE, WM_FONTCHANGE, WM_TIMECHANGE,
                       WM_THEMECHANGED, WM_POWERBROADCAST}) {
            Ask(window, m, m == WM_POWERBROADCAST ? PBT_APMRESUMEAUTOMATIC : 0);
        }
    };
    const auto click = [](HWND control) { return [control] { ClickOn(control); }; };
    const auto press = [](HWND target, std::vector<WORD> keys, WORD modifier = 0) {
        return [=] { PressKeys(target, keys, modifier); };
    };
    const auto inTurn = [](std::vector<std::function<void()>> actions) {
        return [actions] {
            for (const auto& act : actions) {
                act();
            }
        };
    };
    struct Step {
        const char* name;
        std::function<void()> act;
        const char* count;
        std::string state; // the ticks; "iconic" for a minimised window; where the clipboard
                           // changed, whose text it holds and whether it is marked
        int length;        // of a new password; -1: the password stays
    };
    std::vector<Step> steps = {
        {"Generieren", click(generate), "8", "111", 8},
        {"Generieren again", click(generate), "8", "111", 8},
        {"+", click(program.Control(INCREMENT_BUTTON)), "9", "111", -1},
        {"-", click(program.Control(DECREMENT_BUTTON)), "8", "111", -1},
        {"digits typed, letters refused", [&] { program.Type(countField, "1x-.e+&2"); }, "12",
         "111", -1},
        {"Backspace", press(countField, {VK_END, VK_BACK}), "1", "111", -1},
        {"Delete", press(countField, {VK_HOME, VK_DELETE}), "", "111", -1},
        {"Ctrl+V",
         [&] {
             WriteClipboard({{CF_TEXT, std::string("42", 3)}, {HistoryMark(), "mark"}});
             PressKeys(countField, {'V'}, VK_CONTROL);
         },
         "42", "111 clipboard: count, marked", -1},
        // The Backspace reaches the count field only where Tab and Enter left the focus there.
        {"Tab, Enter", press(countField, {VK_END, VK_TAB, VK_RETURN, VK_TAB, VK_BACK}), "4", "111",
         -1},
        {"Ziffern unticked", click(boxes[2]), "4", "110", -1},
        {"menu Generieren", [&] { ChooseMenuItem(window, 'D', 'G'); }, "4", "110", 4},
        {"help by button, Enter", inTurn({click(program.Control(HELP_BUTTON)), answer(VK_RETURN)}),
         "4", "110", -1},
        {"help by menu, OK clicked",
         inTurn({[&] { ChooseMenuItem(window, 'H', 'H'); }, answer(IDOK)}), "4", "110", -1},
        {"minimise box", [&] { ClickAt(window, CaptionButton(window, HTREDUCE)); }, "4",
         "110 iconic", -1},
        // The system menu opens with its first item, the one that restores, chosen.
        {"Alt+Space, Enter", [&] { ChooseMenuItem(window, VK_SPACE, VK_RETURN); }, "4", "110", -1},
        {"another window and back", inTurn({click(other), click(password)}), "4", "110", -1},
        {"the system's colours changed",
         [&] {
             changed.emplace(std::map<INT, COLORREF>{{COLOR_BTNFACE, face ^ 0x3F3F3F}});
         },
         "4", "110", -1},
        {"the system's messages", broadcast, "4", "110", -1},
        {"the colours back", [&] { changed.reset(); }, "4", "110", -1},
        {"99 typed", [&] { program.Type(countField, "99"); }, "99", "110", -1},
    };
    std::string ticks = "110";
    for (const std::string wanted : {"111", "110", "101", "011", "010", "001", "000", "100"}) {
        for (int i = 0; i < 3; ++i) {
            if (ticks[i] != wanted[i]) {
                ticks[i] = wanted[i];
                steps.push_back({"box clicked", click(boxes[i]), "99", ticks, -1});
            }
        }
        steps.push_back({"Generieren", click(generate), "99", ticks, wanted == "000" ? 0 : 99});
    }
    steps.push_back(
        {"count selected, Ctrl+C",
         inTurn({click(countField), press(countField, {VK_END}),
                 press(countField, {VK_HOME}, VK_SHIFT), press(countField, {'C'}, VK_CONTROL)}),
         "99", "100 clipboard: count", -1});
    steps.push_back({"double click, Ctrl+C",
                     inTurn({[&] { ClickOn(password, 2); }, press(password, {'C'}, VK_CONTROL)}),
                     "99", "100 clipboard: password, marked", -1});
    std::string counted, state, shown, pool;
    DWORD sequence = GetClipboardSequenceNumber();
    for (const Step& step : steps) {
        const std::string before = shown;
        step.act();
        // A step is handled once its effect shows; by then, what it must not change has to stay.
        const auto shows = [&] {
            state = pool = "";
            for (int i = 0; i < 3; ++i) {
                state += IsChecked(boxes[i]) ? "1" : "0";
                pool += IsChecked(boxes[i]) ? sets[i] : "";
            }
            counted = TextOf(countField);
            shown = TextOf(password);
            const std::string held =
                GetClipboardSequenceNumber() != sequence ? ReadClipboard()[CF_TEXT].c_str() : "";
            state +=
                std::string(IsIconic(window) ? " iconic" : "") +
                (held.empty()      ? ""
                 : held == counted ? " clipboard: count"
                 : held == shown   ? " clipboard: password"
                                   : " clipboard: other") +
                (!held.empty() && IsClipboardFormatAvailable(HistoryMark()) ? ", marked" : "") +
                (FindWindowA("#32770", "Hilfe") != nullptr ? " help" : "");
            return counted == step.count && state == step.state &&
                   (step.length < 0 ? shown == before
                                    : shown != before && DrawnFrom(shown, pool) &&
                                          shown.size() == std::size_t(step.length));
        };
        if (!WaitUntil(shows)) {
            ADD_FAILURE() << step.name << ": count \"" << counted << "\", " << state << ", "
                          << before << " -> " << shown;
            break; // the steps after it would start from another state
        }
        const auto labels =
            IsIconic(window)
                ? testing::AssertionSuccess()
                : LabelsAppear(window, UnderWine() ? face : GetSysColor(COLOR_BTNFACE));
        if (!labels) {
            ADD_FAILURE() << step.name << ": the labels are " << labels.message();
            break;
        }
        sequence = GetClipboardSequenceNumber();
        // The clipboard's updates that the listener was told of, until the program has answered a
        // message sent after the step: one for each copy, whether the program or the test made it.
        Ask(window, WM_NULL);
        MSG update;
        int updates = 0;
        while (PeekMessageA(&update, other, WM_CLIPBOARDUPDATE, WM_CLIPBOARDUPDATE, PM_REMOVE)) {
            ++updates;
        }
        EXPECT_EQ(updates, state.find("clipboard") != std::string::npos) << step.name;
        // With 99 characters every ticked class shows up except by a rare chance.
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(step.length < 99 || pool.size() > 36 || state[i] == '0' ||
                        shown.find_first_of(sets[i]) != std::string::npos)
                << shown;
        }
    }
    DestroyWindow(other);
    // In Windows-1252, \344 (0xE4) is the a with umlaut, \366 (0xF6) the o with umlaut.
    const std::string text = "Stellen Sie in der Eingabebox die Anzahl\r\n"
                             "der Zeichen ein, die Sie verwenden m\366chten.\r\n"
                             "Dann w\344hlen Sie aus, welche Zeichen\r\n"
                             "verwendet werden sollen und klicken auf\r\n"
                             "\"Generieren\". Das Passwort wird erstellt|OK| owned, ?\n";
    EXPECT_EQ(help, text + text) << "the help box, by button and by menu";
    // The session's end: the program lets it end and, until Windows ends it, stays as it was.
    EXPECT_NE(Ask(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    Ask(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(TextOf(password), shown);
    EXPECT_EQ(program.Quit(), 0u);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path))
        << "the program left a file in " << folder.path;
}

// Every road out of the program ends it with exit code 0. What the program is started with changes
// nothing: the first is started with extra arguments and a show state other than normal, since the
// program asks for a normal window. Wine heeds that request; Windows itself applies the caller's
// show state to a program's first ShowWindow, so there the first starts minimised and is opened as
// a click on its taskbar button would. The last starts under the colours of a contrast theme
// (Windows's "High Contrast Black": faces and windows black, their texts white), and shows its
// labels in them.
TEST(Closing, EveryRouteEndsTheProgramWithExitCodeZero) {
    const std::string routes[] = {"Beenden", "menu Exit", "close box", "Alt+F4", "WM_CLOSE"};
    for (const std::string& name : routes) {
        std::optional<SystemColours> contrast;
        if (name == "WM_CLOSE") {
            contrast.emplace(std::map<INT, COLORREF>{{COLOR_BTNFACE, 0},
                                                     {COLOR_WINDOW, 0},
                                                     {COLOR_BTNTEXT, RGB(255, 255, 255)},
                                                     {COLOR_WINDOWTEXT, RGB(255, 255, 255)}});
        }
        ProgramDriver program("", name == "Beenden" ? "--help /? \"zwei Worte\" 42" : "",
                              name == "Beenden" ? SW_SHOWMINNOACTIVE : -1);
        const bool minimised = name == "Beenden" && !UnderWine();
        EXPECT_EQ(IsIconic(program.Window()) != FALSE, minimised);
        if (minimised) {
            OpenIcon(program.Window());
        }
        EXPECT_EQ(TextOf(program.Control(COUNT_EDIT)), "8");
        if (name == "Beenden") {
            EXPECT_EQ(program.Generate().size(), 8u);
            ClickOn(program.Control(EXIT_BUTTON));
        } else if (name == "menu Exit") {
            ChooseMenuItem(program.Window(), 'D', 'X');
        } else if (name == "close box") {
            ClickAt(program.Window(), CaptionButton(program.Window(), HTCLOSE));
        } else if (name == "Alt+F4") {
            PressKeys(program.Window(), {VK_F4}, VK_MENU);
        } else {
            EXPECT_TRUE(LabelsAppear(program.Window(), RGB(0, 0, 0), RGB(255, 255, 255)));
            PostMessageA(program.Window(), WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(program.WaitForExit(), 0u) << name;
    }
}

// Two programs started together make different passwords: each draws its own random state. The
// count is set and the button pressed by messages, as the load test does: both windows stand at
// the same place, and under emulation and load, input to one of them after such a start three times
// waited minutes for its window to come to the front, though what this test is about lies behind
// the input.
TEST(StartUp, TwoProgramsStartedTogetherMakeDifferentPasswords) {
    ProgramDriver first{ProgramDriver::NoWait{}};
    ProgramDriver second{ProgramDriver::NoWait{}};
    std::string passwords[2];
    for (ProgramDriver* program : {&first, &second}) {
        program->AwaitWindow();
        program->click = [](HWND button) { Ask(button, BM_CLICK); };
        program->SetCountText("99");
        ASSERT_EQ((passwords[program == &second] = program->Generate()).size(), 99u);
    }
    EXPECT_NE(passwords[0], passwords[1]);
}

// Run alone by the kit's check (tests/check_kit.sh): with a clipboard as a person leaves it (text,
// a picture of one pixel, a file and a format of another program's own), it starts tests.cmd
// beside it as Explorer starts it on a double click, from another folder, and then holds the
// clipboard to be as it was, byte for byte and no format more, however the kit's tests ended.
TEST(Kit, DISABLED_StartedByADoubleClickGivesTheClipboardBack) {
    const ClipboardKeeper own; // what was there before this test's own clipboard
    BITMAPINFOHEADER pixel = {sizeof pixel, 1, 1, 1, 32, BI_RGB, 4, 0, 0, 0, 0};
    DROPFILES files = {sizeof files, {}, FALSE, FALSE};
    WriteClipboard({
        {CF_TEXT, std::string("Notiz\0", 6)},
        {CF_DIB, std::string(reinterpret_cast<char*>(&pixel), sizeof pixel) + "\x10\x20\x30\x40"},
        {CF_HDROP, std::string(reinterpret_cast<char*>(&files), sizeof files) +
                       std::string("C:\\liste.txt\0\0", 14)},
        {RegisterClipboardFormatA("Tessorin test"), "eigen"},
    });
    const ClipboardContents found = ReadClipboard();
    std::string line = "cmd /c \"\"" + ProgramFolder() + "tests.cmd\" \"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                               TempPath().c_str(), &startup, &started));
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    std::printf("tests.cmd exit code %lu\n", code);
    EXPECT_EQ(ReadClipboard(), found) << "the clipboard did not come back as it was";
}

} // namespace
