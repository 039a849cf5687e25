// Thousands of commands with random counts, pasted texts and classes: the program keeps answering,
// every password meets its invariants, and memory and window-system objects stay flat. The buttons
// and boxes are clicked by BM_CLICK, the message that a control handles as a click of its own and
// that returns once the click has been handled: the other window tests give real input through the
// system's queue, while here 4,000 trips through Wine's input path and the display would measure
// those rather than the program.
#include "class_sets.h"
#include "number_reference.h"
#include "program_driver.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

struct Usage {
    unsigned long long committedBytes, workingSet, gdiObjects, userObjects;
};

Usage UsageOf(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    Usage usage = {memory.PagefileUsage, memory.WorkingSetSize,
                   GetGuiResources(process, GR_GDIOBJECTS),
                   GetGuiResources(process, GR_USEROBJECTS)};
    CloseHandle(process);
    return usage;
}

// A count text as a user may type or paste it: numbers, signs, letters, bytes above 127, the
// ampersand forms, and texts of thousands of characters.
std::string RandomCountText(std::mt19937& random) {
    const auto pick = [&random](int limit) { return static_cast<int>(random() % limit); };
    switch (pick(8)) {
    case 0: return std::to_string(pick(160));
    case 1: return std::to_string(pick(10));
    case 2: return "-" + std::to_string(pick(200));
    case 3: return std::string(1 + pick(5000), static_cast<char>('0' + pick(10)));
    case 4: {
        static const char* const forms[] = {"&HF", "&B1", "&17", "1e2", "2.5", "inf",
                                            "nan", "+7",  " 42", "abc", "&H",  "0x1"};
        return forms[pick(12)];
    }
    case 5: {
        std::string bytes;
        for (int i = pick(300); i >= 0; --i) {
            bytes += static_cast<char>(1 + pick(255));
        }
        return bytes;
    }
    case 6: return "";
    default: return std::to_string(pick(100)) + std::string(pick(3000), 'x');
    }
}

// Whether text is a count as the steps write it: plain decimal digits from lowest to highest.
bool IsCountBetween(const std::string& text, long lowest, long highest) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return text == std::to_string(value) && value >= lowest && value <= highest;
}

TEST(Load, ThousandsOfCommandsKeepThePasswordsRightAndTheProgramFlat) {
    ProgramDriver program;
    program.click = [](HWND control) { Ask(control, BM_CLICK); };
    std::mt19937 random(20261208);
    HWND boxes[3] = {program.Control(LOWER_CHECK), program.Control(UPPER_CHECK),
                     program.Control(DIGIT_CHECK)};
    bool ticked[3] = {true, true, true}; // as every click of a box has left it
    Usage before = {};
    int generated = 0;
    for (int command = 0; command < 4000; ++command) {
        if (command == 500) {
            before = UsageOf(program.ProcessId()); // once every road has been taken
        }
        const unsigned action = random() % 6;
        switch (action) {
        case 0: program.SetCountText(RandomCountText(random)); break;
        case 1: {
            const unsigned i = random() % 3;
            program.click(boxes[i]);
            ASSERT_EQ(IsChecked(boxes[i]), ticked[i] = !ticked[i]);
            break;
        }
        case 2:
        case 3: { // a step up stays within 1 and 99, a step down within 1 and 998
            const bool up = action == 2;
            const std::string text = program.CountAfter(up ? program.Control(INCREMENT_BUTTON)
                                                           : program.Control(DECREMENT_BUTTON));
            ASSERT_TRUE(IsCountBetween(text, 1, up ? 99 : 998)) << text;
            break;
        }
        default: {
            const std::string count = TextOf(program.Control(COUNT_EDIT));
            const std::string pool = PoolOf({ticked[0], ticked[1], ticked[2]});
            const std::string password = program.Generate();
            ++generated;
            // Generate reads the field's first three characters.
            const int wanted =
                pool.empty() ? 0 : std::clamp(ReferenceInteger(count.substr(0, 3)), 0, 99);
            ASSERT_EQ(password.size(), std::size_t(wanted)) << "count text " << count.substr(0, 3);
            ASSERT_EQ(password.find_first_not_of(pool), std::string::npos) << password;
        }
        }
        ASSERT_NO_THROW(Ask(program.Window(), WM_NULL))
            << "the program stopped answering at command " << command;
    }
    const Usage after = UsageOf(program.ProcessId());
    std::printf("%d passwords; committed bytes %llu -> %llu, working set %llu -> %llu, GDI objects "
                "%llu -> %llu, USER objects %llu -> %llu\n",
                generated, before.committedBytes, after.committedBytes, before.workingSet,
                after.workingSet, before.gdiObjects, after.gdiObjects, before.userObjects,
                after.userObjects);
    ASSERT_GT(before.workingSet, 0u);
    EXPECT_LT(after.workingSet, before.workingSet + 1024 * 1024);
    EXPECT_LT(after.committedBytes, before.committedBytes + 1024 * 1024);
    EXPECT_EQ(program.Quit(), 0u);
    if (before.gdiObjects == 0 && before.userObjects == 0) {
        GTEST_SKIP() << "the count of GDI and USER objects: this system does not report it "
                        "(GetGuiResources gives 0, as under Wine)";
    }
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 2);
    EXPECT_LE(after.userObjects, before.userObjects + 2);
}

} // namespace
