#include "text/fixed_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Every byte behind the text is zero, and the text has at most 99 characters.
void ExpectWellFormed(const FixedText& buffer) {
    const std::size_t length = std::string_view(buffer).size();
    ASSERT_LE(length, 99u);
    for (std::size_t i = length; i < FIXED_TEXT_SIZE; ++i) {
        ASSERT_EQ(buffer.bytes[i], '\0') << "byte " << i;
    }
}

FixedText FilledWith(char c) {
    FixedText buffer;
    std::memset(buffer.bytes, c, sizeof buffer.bytes);
    return buffer;
}

// Assigning the empty text or wiping leaves a buffer of zeros alone (ExpectWellFormed).
TEST(FixedText, AssignKeepsTheFirst99CharactersAndZerosTheRestAsWipingDoes) {
    FixedText buffer = FilledWith('#'), assigned = FilledWith('#'), wiped = FilledWith('s');
    const std::string source = std::string(98, 'a') + "yz" + std::string(50, 'a');
    AssignFixed(buffer, source);
    EXPECT_EQ(std::string_view(buffer), source.substr(0, 99));
    ExpectWellFormed(buffer);
    AssignFixed(buffer, "short");
    EXPECT_EQ(std::string_view(buffer), "short");
    ExpectWellFormed(buffer);
    AssignFixed(assigned, "");
    WipeFixed(wiped);
    for (const FixedText& empty : {assigned, wiped}) {
        EXPECT_EQ(TextLength(empty), 0);
        ExpectWellFormed(empty);
    }
}

// Appends stop at 99 characters, later ones change nothing, and a long text is cut at the end.
TEST(FixedText, AppendStopsAt99AndCutsALongTextAtTheEndOfTheBuffer) {
    FixedText buffer;
    for (int i = 0; i < 123; ++i) {
        AppendFixed(buffer, std::string(1, static_cast<char>('A' + i % 26)));
        ExpectWellFormed(buffer);
    }
    const std::string_view text(buffer);
    ASSERT_EQ(text.size(), 99u);
    EXPECT_EQ(text.substr(0, 3), "ABC");
    EXPECT_EQ(text[98], 'A' + 98 % 26);
    AssignFixed(buffer, std::string(95, 'x'));
    AppendFixed(buffer, "123456789");
    EXPECT_EQ(std::string_view(buffer), std::string(95, 'x') + "1234");
    ExpectWellFormed(buffer);
    AssignFixed(buffer, "abc");
    AppendFixed(buffer, "");
    EXPECT_EQ(std::string_view(buffer), "abc") << "appending the empty text changes nothing";
}

// A text, in a source or a buffer, ends at its first zero byte; a buffer without one reads as 99
// characters, and an append repairs it.
TEST(FixedText, TextsEndAtTheirFirstZeroByteAndABufferWithoutOneAt99) {
    FixedText buffer = FilledWith('q');
    EXPECT_EQ(TextLength(buffer), 99);
    AppendFixed(buffer, "z");
    EXPECT_EQ(std::string_view(buffer), std::string(99, 'q'));
    ExpectWellFormed(buffer);
    AssignFixed(buffer, std::string_view("ab\0cd", 5));
    EXPECT_EQ(std::string_view(buffer), "ab");
    ExpectWellFormed(buffer);
    AppendFixed(buffer, std::string_view("x\0yz", 4));
    EXPECT_EQ(std::string_view(buffer), "abx");
    ExpectWellFormed(buffer);
    AssignFixed(buffer, "abcdef");
    buffer.bytes[3] = '\0';
    EXPECT_EQ(TextLength(buffer), 3);
    EXPECT_EQ(ConcatText(buffer, buffer), "abcabc");
    EXPECT_EQ(MidText(buffer, 3, -1), "c");
}

TEST(TextOperations, MidTextTakesOneBasedRangesCutAtTheEnd) {
    const struct {
        const char* text;
        int start, count;
        const char* mid;
    } cases[] = {
        {"abc", 2, 1, "b"}, {"abc", 1, 1, "a"}, {"abc", 3, 1, "c"}, {"abc", 0, 1, ""},
        {"abc", 4, 1, ""},  {"abc", -5, 2, ""}, {"abc", 3, 5, "c"}, {"abc", 2, -1, "bc"},
        {"abc", 1, 0, ""},  {"", 1, 1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MidText(c.text, c.start, c.count), c.mid) << c.start << ", " << c.count;
    }
    EXPECT_EQ(MidText("abc", 1, 2147483647), "abc");
}

TEST(TextOperations, ConcatAndLengthCountBytesIncludingWindows1252Letters) {
    EXPECT_EQ(ConcatText("", ""), "");
    EXPECT_EQ(ConcatText("0", "11"), "011");
    EXPECT_EQ(TextLength("Gro\337e Buchstaben"), 16); // \337 (0xDF) is the sharp s
    EXPECT_EQ(TextLength(""), 0);
}

// Texts past the 15 characters kept inside the object, copied, moved and appended to themselves.
TEST(TextOperations, TextsKeepTheirBytesWhenTheyGrowAndMove) {
    const std::string long150(150, 'x');
    Text text = ConcatText("abcdefghijklmn", "opq");
    EXPECT_EQ(text, "abcdefghijklmnopq");
    text += std::string_view(text);
    EXPECT_EQ(text, "abcdefghijklmnopqabcdefghijklmnopq");
    for (Text source : {Text("short"), Text(long150)}) {
        const Text copy = source;
        Text moved = std::move(source);
        EXPECT_EQ(moved, copy);
        EXPECT_EQ(source, "");
        EXPECT_EQ(moved.c_str()[moved.size()], '\0');
        moved = copy;
        EXPECT_EQ(moved, copy);
    }
}

TEST(TextOperations, CommandLineTextJoinsTheArgumentsAfterTheProgramName) {
    const char* none[] = {"tessorin.exe"};
    EXPECT_EQ(CommandLineText(1, none), "");
    const char* some[] = {"tessorin.exe", "-x", "two words", ""};
    EXPECT_EQ(CommandLineText(3, some), "-x two words");
    EXPECT_EQ(CommandLineText(4, some), "-x two words ");
}

} // namespace
