#include "runtime/conversions.h"

#include <gtest/gtest.h>

namespace {

TEST(Val, ReadsTheLeadingNumberOfAText) {
    const struct {
        const char* text;
        double number;
    } cases[] = {
        {"", 0},      {" ", 0},     {"0", 0},      {"7", 7},     {" 742", 742},
        {"  57", 57}, {" 58", 58},  {"358", 358},  {"-12", -12}, {"12abc", 12},
        {"abc", 0},   {"3.5", 3.5}, {"  001 ", 1}, {"1 ", 1},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(rt::val(c.text), c.number) << '"' << c.text << '"';
}

TEST(Str, GivesOneLeadingSpaceToNumbersNotBelowZero) {
    EXPECT_EQ(rt::str(7), " 7");
    EXPECT_EQ(rt::str(0), " 0");
    EXPECT_EQ(rt::str(123), " 123");
    EXPECT_EQ(rt::str(-3), "-3");
}

TEST(TextParts, MidAndRightStayInsideTheText) {
    EXPECT_EQ(rt::mid(" 358", 2, 1), "3");
    EXPECT_EQ(rt::mid(" 358", 4, 1), "8");
    EXPECT_EQ(rt::mid(" 358", 5, 1), "");
    EXPECT_EQ(rt::mid("", 1, 1), "");
    EXPECT_EQ(rt::mid("abc", 0, 1), "");
    EXPECT_EQ(rt::mid("abcdef", 3), "cdef");
    EXPECT_EQ(rt::right("  1234", 4), "1234");
    EXPECT_EQ(rt::right("ab", 4), "ab");
    EXPECT_EQ(rt::right("ab", 0), "");
}

TEST(Chr, GivesTheCharacterOfAKeyCode) {
    EXPECT_EQ(rt::chr(48), "0");
    EXPECT_EQ(rt::chr(57), "9");
    EXPECT_EQ(rt::chr(32), " ");
    EXPECT_EQ(rt::chr(96), "`");  // a keypad zero is no digit
    EXPECT_EQ(rt::chr(300), "");
}

TEST(Palette, KnowsTheSixteenColours) {
    EXPECT_EQ(rt::qbColor(0), 0x000000u);
    EXPECT_EQ(rt::qbColor(1), 0x800000u);
    EXPECT_EQ(rt::qbColor(9), 0xFF0000u);
    EXPECT_EQ(rt::qbColor(12), 0x0000FFu);
    EXPECT_EQ(rt::qbColor(15), 0xFFFFFFu);
}

}  // namespace
