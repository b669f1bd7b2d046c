// The driver's invariants hold on the program as it starts and on what its windows
// build, and each of them catches the breach it is there for.
#include <gtest/gtest.h>

#include "driver/game_invariants.h"
#include "driver/minus_program.h"
#include "driver/sheet_invariants.h"
#include "fakes/fakes.h"
#include "sheets/worksheet.h"

namespace {

// What the named invariant of the program reports now.
std::string violation(driver::MinusProgram& program, const std::string& name) {
    for (const driver::Invariant& invariant : program.invariants())
        if (invariant.name == name)
            return invariant.violation();
    ADD_FAILURE() << "no invariant named " << name;
    return "";
}

std::vector<std::string> aSheet() {
    fakes::FakeRandom random;
    return sheets::rechenblatt(random);
}

TEST(SheetInvariants, ASheetAsBuiltAndNoSheetHold) {
    EXPECT_EQ(driver::sheetLinesWrong(aSheet()), "");
    EXPECT_EQ(driver::sheetLinesWrong({}), "");
}

TEST(SheetInvariants, EachBreachOfFormatOrArithmeticIsFound) {
    using Lines = std::vector<std::string>;
    const std::pair<const char*, void (*)(Lines&)> breaches[] = {
        {"a line missing", [](Lines& l) { l.pop_back(); }},
        {"an empty blank line", [](Lines& l) { l[5] = ""; }},
        {"a line a character short", [](Lines& l) { l[0].pop_back(); }},
        {"a result line moved", [](Lines& l) { std::swap(l[3], l[4]); }},
        {"a result one too high",
         [](Lines& l) { l[10][4] = l[10][4] == '9' ? '8' : static_cast<char>(l[10][4] + 1); }},
        {"a second subtrahend changed",
         [](Lines& l) { l[23][4] = l[23][4] == '9' ? '8' : static_cast<char>(l[23][4] + 1); }},
        {"a minus sign lost", [](Lines& l) { l[1][8] = ' '; }},
        {"a rule broken", [](Lines& l) { l[26][3] = '_'; }},
    };
    for (const auto& [what, breach] : breaches) {
        Lines lines = aSheet();
        breach(lines);
        EXPECT_NE(driver::sheetLinesWrong(lines), "") << what;
    }
}

TEST(MemoryInvariants, HoldBeforeAndAfterTheDeal) {
    driver::MinusProgram program(5);
    games::Memo& memo = program.trainerWindow().memo.get();
    EXPECT_EQ(driver::memoryWrong(memo), "");
    memo.Bezeichnung_Click(4);  // deals and opens card 4
    ASSERT_EQ(memo.Bezeichnung20, "1");
    EXPECT_EQ(driver::memoryWrong(memo), "");
}

TEST(MemoryInvariants, EachBreachIsFound) {
    const std::pair<const char*, void (*)(games::Memo&)> breaches[] = {
        {"a digit on three cards",
         [](games::Memo& m) {
             const char other = m.Bezeichnung21[0] == '9' ? '8' : '9';
             m.Bezeichnung21[m.Bezeichnung21.find(other)] = m.Bezeichnung21[0];
         }},
        {"half a pair found", [](games::Memo& m) { m.Bezeichnung22[0] = '0'; }},
        {"an open card without its blank", [](games::Memo& m) { m.Bezeichnung23 = "4"; }},
        {"a second card open without a first",
         [](games::Memo& m) {
             m.karte(4).caption.clear();
             m.Bezeichnung23 = "0";
             m.Bezeichnung24 = " 4";
         }},
        {"a face-down card showing its face", [](games::Memo& m) { m.karte(5).caption = "1 + 9"; }},
        {"the open card face down", [](games::Memo& m) { m.karte(4).caption.clear(); }},
        {"the dealt flag out of its values", [](games::Memo& m) { m.Bezeichnung20 = "2"; }},
        {"the clicked card beyond the last", [](games::Memo& m) { m.Bezeichnung25 = "19"; }},
    };
    for (const auto& [what, breach] : breaches) {
        driver::MinusProgram program(5);
        games::Memo& memo = program.trainerWindow().memo.get();
        memo.Bezeichnung_Click(4);
        breach(memo);
        EXPECT_NE(driver::memoryWrong(memo), "") << what;
    }
}

TEST(CatchingGameInvariants, EachBreachIsFound) {
    const char* const digits = "the digits to catch lie apart inside the field";
    const char* const cross = "the cross stays inside the field";
    const char* const timer = "the catching game's timer runs only while its window is shown";
    const char* const target = "the target display shows the next digit to catch";
    struct Breach {
        const char* what;
        const char* invariant;
        void (*apply)(trainer::Form2&);
    };
    const Breach breaches[] = {
        {"a digit out of order", digits,
         [](trainer::Form2& t) { t.modul1.fangzahlen = "1023456789"; }},
        {"two digits in one row", digits,
         [](trainer::Form2& t) { t.modul1.zahlzeile[2] = t.modul1.zahlzeile[1]; }},
        {"a digit below the field", digits, [](trainer::Form2& t) { t.modul1.zahlzeile[3] = 17; }},
        {"the cross left of the field", cross, [](trainer::Form2& t) { t.modul1.kreuzspalte = 0; }},
        {"the timer behind the hidden game", timer,
         [](trainer::Form2& t) {
             t.Form4->Zeit1_Timer();
             t.Form4->spielschliessen();
             t.Form4->Zeit1.enabled = true;
         }},
        {"the display behind after a tick", target,
         [](trainer::Form2& t) {
             t.Form4->Zeit1_Timer();
             t.Form4->Bezeichnung3.caption = "5";
         }},
    };
    for (const Breach& b : breaches) {
        driver::MinusProgram program(9);
        trainer::Form2& t = program.trainerWindow();
        t.fangspielstarten();  // the announcement is answered by the driver's boxes
        for (const char* name : {digits, cross, timer, target})
            ASSERT_EQ(violation(program, name), "") << name << " before " << b.what;
        b.apply(t);
        EXPECT_NE(violation(program, b.invariant), "") << b.what;
    }
}

// Found by the driver: a game left before its first tick keeps the display of the
// game before, and a memory deal then moves the cross's column behind it. Neither
// is a tick or a move of the catching game.
TEST(CatchingGameInvariants, AGameLeftUntouchedKeepsItsOldDisplayThroughAMemoryDeal) {
    driver::MinusProgram program(11);
    trainer::Form2& t = program.trainerWindow();
    const std::string name = "the target display shows the next digit to catch";
    std::vector<driver::Invariant> table = program.invariants();
    const auto ask = [&] {
        for (const driver::Invariant& i : table)
            if (i.name == name)
                return i.violation();
        return std::string("missing");
    };
    t.fangspielstarten();
    t.Form4->Bezeichnung3.caption = "";  // as after a game played to the end
    EXPECT_EQ(ask(), "");
    t.Form4->spielschliessen();
    EXPECT_EQ(ask(), "");
    t.Bezeichnung28_Click();
    t.memo->Bezeichnung_Click(1);  // the deal
    EXPECT_EQ(ask(), "");
    t.memo->Befehl1_Click();
    t.fangspielstarten();
    t.Form4->Bild4_Click();  // the first move shows the target
    EXPECT_EQ(t.Form4->Bezeichnung3.caption, "0");
    EXPECT_EQ(ask(), "");
    t.Form4->Bezeichnung3.caption = "";
    EXPECT_NE(ask(), "");
}

TEST(ProgramInvariants, TheTrainerAndAGameAreNeverShownAtOnce) {
    driver::MinusProgram program(3);
    trainer::Form2& t = program.trainerWindow();
    const std::string name = "the trainer and a game window are never shown at once";
    EXPECT_EQ(violation(program, name), "");
    program.windows().show(t.memo.get());
    EXPECT_NE(violation(program, name), "");
    program.windows().hide(t);
    EXPECT_EQ(violation(program, name), "");
}

TEST(InfoInvariants, ANewInfoWindowMustHaveItsSwitchTicked) {
    driver::MinusProgram program(3);
    trainer::Form2& t = program.trainerWindow();
    const std::string name = "a new info window has its switch ticked";
    // The invariant remembers what it saw, so one table is asked again and again.
    std::vector<driver::Invariant> table = program.invariants();
    const auto ask = [&] {
        for (const driver::Invariant& i : table)
            if (i.name == name)
                return i.violation();
        return std::string("missing");
    };
    EXPECT_EQ(ask(), "");
    t.Befehl12_Click();
    EXPECT_EQ(ask(), "");
    t.ZOBLABEL->Kontroll1.value = 0;  // turned by the child: not new any more
    EXPECT_EQ(ask(), "");
    program.windows().close(t.ZOBLABEL.get());
    EXPECT_EQ(ask(), "");
    t.ZOBLABEL->Kontroll1.value = 0;  // made anew, unticked
    EXPECT_NE(ask(), "");
}

}  // namespace
