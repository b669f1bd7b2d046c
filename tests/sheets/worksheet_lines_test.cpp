// The worksheet's lines: layout, numbers, the exercise sheet, the printed page and
// the clipboard text.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "fakes/fakes.h"
#include "runtime/clock_random.h"
#include "sheet_fixture.h"
#include "sheets/worksheet.h"

namespace {

using sheets_test::cellNumbers;

const std::vector<std::pair<int, int>> kWorkedExample = {{347, 85},  {999, 1000}, {100, 1},
                                                         {512, 488}, {250, 37},   {603, 999}};

TEST(WorksheetLines, TheWorkedExampleIsWrittenCharacterForCharacter) {
    fakes::FakeRandom random;
    sheets_test::queueOneSubtrahend(random, kWorkedExample);
    const std::vector<std::string> block = sheets::blockEinSubtrahend(random);
    ASSERT_EQ(block.size(), 7u);
    EXPECT_EQ(block[0], "  432    1999     101    1000     287    1602   ");
    EXPECT_EQ(block[1], "-  85   -1000   -   1   - 488   -  37   - 999   ");
    EXPECT_EQ(block[2], "_____   _____   _____   _____   _____   _____   ");
    EXPECT_EQ(block[3], "  347     999     100     512     250     603   ");
    EXPECT_EQ(block[4], "-----   -----   -----   -----   -----   -----   ");
    EXPECT_EQ(block[5], " ");
    EXPECT_EQ(block[6], " ");
}

TEST(WorksheetLines, TwoSubtrahendBlocksAddBothToTheMinuend) {
    fakes::FakeRandom random;
    sheets_test::queueTwoSubtrahends(random, {{999, 999, 1000},
                                              {100, 100, 1},
                                              {347, 120, 85},
                                              {500, 999, 7},
                                              {101, 250, 999},
                                              {820, 460, 1000}});
    const std::vector<std::string> block = sheets::blockZweiSubtrahenden(random);
    ASSERT_EQ(block.size(), 8u);
    EXPECT_EQ(block[0], " 2998     201     552    1506    1350    2280   ");
    EXPECT_EQ(block[1], "- 999   - 100   - 120   - 999   - 250   - 460   ");
    EXPECT_EQ(block[2], "-1000   -   1   -  85   -   7   - 999   -1000   ");
    EXPECT_EQ(block[3], "_____   _____   _____   _____   _____   _____   ");
    EXPECT_EQ(block[4], "  999     100     347     500     101     820   ");
    EXPECT_EQ(block[5], "-----   -----   -----   -----   -----   -----   ");
    EXPECT_EQ(block[6], " ");
    EXPECT_EQ(block[7], " ");
    EXPECT_EQ(random.reseeds, 0) << "the two-subtrahend blocks continue the draws";
}

TEST(WorksheetLines, AWholeSheetHasItsLayoutAndSoundArithmeticInEveryColumn) {
    fakes::FakeRandom random;  // its own well-spread cycle
    const std::vector<std::string> sheet = sheets::rechenblatt(random);
    ASSERT_EQ(sheet.size(), 37u);
    EXPECT_EQ(random.reseeds, 3) << "once before each of the one-subtrahend blocks";

    const std::set<int> blanks = {5, 6, 12, 13, 19, 20, 27, 28, 35, 36};
    for (int i = 0; i < 37; ++i) {
        const std::string& line = sheet[static_cast<std::size_t>(i)];
        if (blanks.count(i)) {
            EXPECT_EQ(line, " ") << "item " << i;
            continue;
        }
        EXPECT_EQ(line.size(), 48u) << "item " << i;
        EXPECT_EQ(line.substr(45), "   ") << "item " << i;
    }

    // Blocks start at items 0, 7, 14 (one subtrahend) and 21, 29 (two).
    for (int start : {0, 7, 14, 21, 29}) {
        const bool two = start >= 21;
        const auto minuend = cellNumbers(sheet[static_cast<std::size_t>(start)]);
        const auto first = cellNumbers(sheet[static_cast<std::size_t>(start + 1)]);
        const auto second = two ? cellNumbers(sheet[static_cast<std::size_t>(start + 2)])
                                : std::vector<long long>(6);
        const int resultItem = start + (two ? 4 : 3);
        EXPECT_TRUE(sheets::istErgebniszeile(resultItem));
        const auto result = cellNumbers(sheet[static_cast<std::size_t>(resultItem)]);
        ASSERT_EQ(minuend.size(), 6u);
        for (std::size_t k = 0; k < 6; ++k) {
            SCOPED_TRACE("block at item " + std::to_string(start) + ", exercise " +
                         std::to_string(k + 1));
            EXPECT_EQ(sheet[static_cast<std::size_t>(start + 1)][8 * k], '-');
            EXPECT_GE(result[k], 100);
            EXPECT_LE(result[k], 999);
            if (two) {
                EXPECT_EQ(sheet[static_cast<std::size_t>(start + 2)][8 * k], '-');
                EXPECT_GE(first[k], 100);
                EXPECT_LE(first[k], 999);
                EXPECT_GE(second[k], 1);
                EXPECT_LE(second[k], 1000);
            } else {
                EXPECT_GE(first[k], 1);
                EXPECT_LE(first[k], 1000);
            }
            EXPECT_EQ(minuend[k], result[k] + first[k] + second[k]);
        }
    }
}

TEST(WorksheetLines, BlocksBuiltWithinOneClockReadingDiffer) {
    fakes::FakeClock clock;  // never advances
    rt::ClockMixedRandom random(clock);
    const std::vector<std::string> sheet = sheets::rechenblatt(random);
    const std::set<std::string> minuendLines = {sheet[0], sheet[7], sheet[14]};
    const std::set<std::string> resultLines = {sheet[3], sheet[10], sheet[17]};
    EXPECT_EQ(minuendLines.size(), 3u);
    EXPECT_EQ(resultLines.size(), 3u);
}

TEST(WorksheetLines, TheExerciseSheetBlanksExactlyTheResultItems) {
    fakes::FakeRandom random;
    const std::vector<std::string> sheet = sheets::rechenblatt(random);
    const std::vector<std::string> exercises = sheets::aufgabenblatt(sheet);
    ASSERT_EQ(exercises.size(), sheet.size());
    for (int i = 0; i < 37; ++i) {
        const bool result = i == 3 || i == 10 || i == 17 || i == 25 || i == 33;
        EXPECT_EQ(exercises[static_cast<std::size_t>(i)],
                  result ? " " : sheet[static_cast<std::size_t>(i)])
            << "item " << i;
    }
}

TEST(WorksheetLines, ThePrintedPageIsHeadingAndLinesInCourierNew18FromTheTopLeft) {
    fakes::FakePrinter printer;
    const std::vector<std::string> lines(37, "  432    1999   ");
    sheets::seiteDrucken(printer, "Minuskolonne (Rechenblatt)", lines);
    EXPECT_EQ(printer.fontName, "Courier New");
    EXPECT_EQ(printer.fontSize, 18);
    EXPECT_EQ(printer.currentX, 0);
    EXPECT_EQ(printer.currentY, 0);
    ASSERT_EQ(printer.lines.size(), 41u);
    EXPECT_EQ(printer.lines[0], "");
    EXPECT_EQ(printer.lines[1], "Minuskolonne (Rechenblatt)");
    EXPECT_EQ(printer.lines[2], "");
    EXPECT_EQ(printer.lines[3], "");
    EXPECT_EQ(std::vector<std::string>(printer.lines.begin() + 4, printer.lines.end()), lines);
    EXPECT_EQ(printer.documents, 0) << "the caller ends the document";
}

TEST(WorksheetLines, TheClipboardTextByteForByte) {
    // Item 3 is a result item, whatever it holds.
    const std::vector<std::string> lines = {"a  ", " ", "c", "  347   ", "e"};
    EXPECT_EQ(sheets::ablagetext(lines),
              "a  \r\n \r\nc\r\n \r\ne\r\n"
              "\r\n\r\n"
              "a  \r\n \r\nc\r\n  347   \r\ne\r\n");
}

TEST(WorksheetLines, TheClipboardTextOfAFullSheetHas76LineBreaks) {
    fakes::FakeRandom random;
    const std::vector<std::string> sheet = sheets::rechenblatt(random);
    const std::string text = sheets::ablagetext(sheet);
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2) {
        parts.push_back(text.substr(from, at - from));
    }
    EXPECT_EQ(from, text.size()) << "the text ends with CR LF";
    ASSERT_EQ(parts.size(), 76u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 76) << "no bare line feeds";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 76) << "no bare carriage returns";
    EXPECT_EQ(parts[37], "");
    EXPECT_EQ(parts[38], "");
    EXPECT_EQ(parts[3], " ");
    EXPECT_EQ(parts[39 + 3], sheet[3]);
    EXPECT_EQ(std::vector<std::string>(parts.begin() + 39, parts.end()), sheet);
}

}  // namespace
