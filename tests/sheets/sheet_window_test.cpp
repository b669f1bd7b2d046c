// The worksheet on the trainer window: "Blatt" and "Abbruch", the print lock, the
// printed sheets, the way out when no printer takes them, and "Kopieren".
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fakes.h"
#include "sheet_fixture.h"
#include "trainer/form2.h"

namespace {

using rt::Answer;

rt::MessageBox confirmation(const std::string& sheet) {
    return {"Das " + sheet + " jetzt ausdrucken?\r\r", "Minuskolonne", rt::Buttons::YesNo,
            rt::Icon::Question, true};
}

class SheetWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        sheets_test::queueOneSubtrahend(
            f.random, {{347, 85}, {999, 1000}, {100, 1}, {512, 488}, {250, 37}, {603, 999}});
        form.Befehl14_Click();
        ASSERT_EQ(form.Liste5.listCount(), 37);
    }
    // The switch of the info window, made on first use.
    int lockSwitch() { return form.ZOBLABEL->Kontroll1.value; }
    void unlock() { form.ZOBLABEL->Kontroll1.value = 0; }
    bool inputBoxShown() const { return f.dialogs.count("Druckersperre aufheben") > 0; }

    fakes::Fakes f;
    trainer::Form2 form{f.services};
};

TEST_F(SheetWindow, BlattLaysTheSheetOverTheBoardAndAbbruchPutsItAway) {
    EXPECT_EQ(form.Bild3.left, 960);
    EXPECT_EQ(form.Liste5.left, 960);
    EXPECT_EQ(form.Liste5.lines[0], "  432    1999     101    1000     287    1602   ");
    EXPECT_EQ(form.Liste5.lines[3], "  347     999     100     512     250     603   ");
    EXPECT_TRUE(f.dialogs.boxes.empty());

    form.Befehl16_Click();
    EXPECT_EQ(form.Bild3.left, 8040);
    EXPECT_EQ(form.Liste5.left, 8040);
    EXPECT_EQ(form.Liste5.listCount(), 0);

    form.Befehl14_Click();
    EXPECT_EQ(form.Liste5.listCount(), 37) << "each Blatt draws a new sheet, never added on";
}

TEST_F(SheetWindow, TheSheetCoversTheTopRowTheBoardAndTheDigitsAndStandsInFront) {
    auto covers = [](const rt::Control& front, int left, int top, int width, int height) {
        return front.left <= left && front.top <= top && left + width <= front.left + front.width &&
               top + height <= front.top + front.height;
    };
    for (const rt::CommandButton* button :
         {&form.Befehl1, &form.Befehl15, &form.Befehl21, &form.Befehl20, &form.Befehl13,
          &form.Befehl14, &form.Befehl12}) {
        EXPECT_TRUE(covers(form.Bild3, button->left, button->top, button->width, button->height))
            << button->name;
    }
    for (const rt::CommandButton* digit : form.ziffern()) {
        EXPECT_TRUE(covers(form.Liste5, digit->left, digit->top, digit->width, digit->height))
            << digit->name;
    }
    EXPECT_TRUE(covers(form.Liste5, 960, 720, 5880, 3720)) << "the board frame";
    // In front of every other control: last in the form's order.
    const auto& controls = form.controls();
    const auto panel = std::find(controls.begin(), controls.end(), &form.Bild3);
    const auto list = std::find(controls.begin(), controls.end(), &form.Liste5);
    ASSERT_NE(list, controls.end());
    EXPECT_EQ(list, controls.end() - 1);
    for (auto c = panel; c != controls.end(); ++c) {
        EXPECT_TRUE(*c == &form.Bild3 || *c == &form.Liste5 || (*c)->container == &form.Bild3)
            << (*c)->name;
    }
}

TEST_F(SheetWindow, TheBoardBehindTheSheetTakesNoKeys) {
    form.Befehl16_Click();
    form.minusaufgabe();
    form.Bezeichnung13_Click();  // a cell selected before the sheet is shown
    ASSERT_FALSE(form.tastenzahl.empty());
    form.Befehl14_Click();
    for (int key = 48; key <= 57; ++key) form.Form_KeyDown(key);
    form.Form_KeyDown(32);
    EXPECT_TRUE(f.dialogs.boxes.empty()) << "no box about a board the child cannot see";
    EXPECT_EQ(form.Bezeichnung23.caption, "0");
    EXPECT_EQ(form.Bezeichnung22.caption, "0");
    EXPECT_EQ(form.Bezeichnung13.caption, "");
}

// --- the print lock ---

struct LockCase {
    const char* what;
    std::string counter;  // caption of the points counter
    std::string entered;  // "" is Cancel
    bool prints;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LockCase& c, std::ostream* out) {
    *out << c.what;
}

class PrintLock : public SheetWindow, public ::testing::WithParamInterface<LockCase> {};

TEST_P(PrintLock, OnlyTheCounterCaptionExactlyReleasesThePrint) {
    const LockCase& c = GetParam();
    form.Bezeichnung22.caption = c.counter;
    f.dialogs.inputs.push_back(c.entered);
    f.dialogs.answers.push_back(Answer::Yes);
    form.Befehl18_Click();

    ASSERT_FALSE(f.dialogs.boxes.empty());
    EXPECT_EQ(f.dialogs.boxes[0], fakes::okBox("Kennwort eingeben:", "Druckersperre aufheben"));
    EXPECT_EQ(f.dialogs.presets[0], "Mqhxndzq");
    if (c.prints) {
        ASSERT_EQ(f.dialogs.boxes.size(), 3u);
        EXPECT_EQ(f.dialogs.boxes[1], confirmation("Lösungsblatt"));
        EXPECT_EQ(f.printer.documents, 1);
    } else {
        EXPECT_EQ(f.dialogs.boxes.size(), 1u) << "a refused code word ends silently";
        EXPECT_EQ(f.printer.documents, 0);
        EXPECT_TRUE(f.printer.lines.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Words, PrintLock,
                         ::testing::Values(LockCase{"PrefilledWord", "0", "Mqhxndzq", false},
                                           LockCase{"RightWord", "17", "17", true},
                                           LockCase{"RightWordAtZero", "0", "0", true},
                                           LockCase{"LeadingSpace", "17", " 17", false},
                                           LockCase{"TrailingSpace", "17", "17 ", false},
                                           LockCase{"LeadingZero", "17", "017", false},
                                           LockCase{"Cancel", "0", "", false},
                                           LockCase{"AnotherNumber", "17", "18", false}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(SheetWindow, APrintClickBeforeInfoMakesTheSwitchTickedAndAsksTheCodeWord) {
    EXPECT_FALSE(form.ZOBLABEL.exists());
    form.Befehl17_Click();
    ASSERT_TRUE(form.ZOBLABEL.exists());
    EXPECT_EQ(lockSwitch(), 1);
    EXPECT_TRUE(inputBoxShown());
    EXPECT_TRUE(std::none_of(f.windows.calls.begin(), f.windows.calls.end(),
                             [](const std::string& call) { return call == "show:ZOBLABEL"; }))
        << "made without being shown";
}

TEST_F(SheetWindow, ARightCodeWordReleasesOneClickOnly) {
    f.dialogs.inputs = {"0", "0"};
    f.dialogs.answers = {Answer::Yes, Answer::Ok, Answer::No};
    form.Befehl17_Click();
    form.Befehl17_Click();
    EXPECT_EQ(f.dialogs.count("Druckersperre aufheben"), 2) << "the next click asks again";
    EXPECT_EQ(f.printer.documents, 1);
}

TEST_F(SheetWindow, TheSwitchSurvivesOkayButNotTheCloseBox) {
    form.Befehl12_Click();  // "Info"
    EXPECT_EQ(f.windows.calls.back(), "show:ZOBLABEL");
    unlock();
    form.ZOBLABEL->Bezeichnung1_Click();  // "O k a y"
    EXPECT_EQ(f.windows.calls.back(), "hide:ZOBLABEL");
    form.Befehl17_Click();
    EXPECT_FALSE(inputBoxShown()) << "unticked: the confirmation comes at once";
    EXPECT_EQ(f.dialogs.boxes.at(0), confirmation("Rechenblatt"));

    form.Befehl12_Click();
    unlock();
    f.windows.unload(form.ZOBLABEL.get());  // the title bar's close box
    EXPECT_FALSE(form.ZOBLABEL.exists());
    form.Befehl17_Click();
    EXPECT_TRUE(inputBoxShown()) << "a new window's switch is ticked";
    EXPECT_EQ(lockSwitch(), 1);
}

// --- printing ---

TEST_F(SheetWindow, NoAtTheConfirmationPrintsNothingAndSaysNothing) {
    unlock();
    f.dialogs.answers.push_back(Answer::No);
    form.Befehl17_Click();
    EXPECT_EQ(f.dialogs.boxes, std::vector<rt::MessageBox>{confirmation("Rechenblatt")});
    EXPECT_TRUE(f.printer.lines.empty());
    EXPECT_EQ(f.printer.documents, 0);
}

TEST_F(SheetWindow, TheExerciseSheetPrintsFortyOneLinesWithTheResultsBlank) {
    unlock();
    f.dialogs.answers.push_back(Answer::Yes);
    form.Befehl17_Click();
    const std::vector<std::string>& printed = f.printer.lastDocument;
    ASSERT_EQ(printed.size(), 41u);
    EXPECT_EQ(printed[1], "Minuskolonne (Rechenblatt)");
    EXPECT_EQ(f.printer.fontName, "Courier New");
    for (int i = 0; i < 37; ++i) {
        const bool result = i == 3 || i == 10 || i == 17 || i == 25 || i == 33;
        EXPECT_EQ(printed[static_cast<std::size_t>(i + 4)],
                  result ? " " : form.Liste5.lines[static_cast<std::size_t>(i)])
            << "item " << i;
    }
    EXPECT_EQ(f.dialogs.boxes.back(),
              fakes::okBox("Das Rechenblatt wird gedruckt ...\r\r", "Drucken"));
    EXPECT_EQ(form.Liste5.left, 960) << "the sheet stays shown";
    EXPECT_EQ(form.Liste5.listCount(), 37);
}

TEST_F(SheetWindow, TheSolutionSheetPrintsEveryLine) {
    unlock();
    f.dialogs.answers.push_back(Answer::Yes);
    form.Befehl18_Click();
    const std::vector<std::string>& printed = f.printer.lastDocument;
    ASSERT_EQ(printed.size(), 41u);
    EXPECT_EQ(printed[1], "Minuskolonne (Lösungsblatt)");
    EXPECT_EQ(std::vector<std::string>(printed.begin() + 4, printed.end()), form.Liste5.lines);
    EXPECT_EQ(f.dialogs.boxes.back(),
              fakes::okBox("Das Lösungsblatt wird gedruckt ...\r\r", "Drucken"));
}

// --- no printer ---

class NoPrinter : public SheetWindow {
  protected:
    void SetUp() override {
        SheetWindow::SetUp();
        unlock();
        f.printer.works = false;
    }
    bool successClaimed() const {
        return std::any_of(f.dialogs.boxes.begin(), f.dialogs.boxes.end(), [](const auto& box) {
            return box.prompt.find("wird gedruckt") != std::string::npos;
        });
    }
};

TEST_F(NoPrinter, ThePageCanBeSavedAsPdfAndTheBoxSaysWhere) {
    f.dialogs.answers = {Answer::Yes, Answer::Yes};
    f.dialogs.savePaths.push_back("/home/lehrerin/Dokumente/Lösungsblatt.pdf");
    form.Befehl18_Click();

    ASSERT_EQ(f.dialogs.boxes.size(), 3u);
    EXPECT_EQ(f.dialogs.boxes[1].buttons, rt::Buttons::YesNo);
    EXPECT_FALSE(f.dialogs.boxes[1].defaultNo);
    EXPECT_NE(f.dialogs.boxes[1].prompt.find("nicht gedruckt"), std::string::npos);
    ASSERT_EQ(f.dialogs.saveDialogs.size(), 1u);
    EXPECT_EQ(f.dialogs.saveDialogs[0],
              (std::vector<std::string>{"Lösungsblatt als PDF-Datei speichern", "Lösungsblatt.pdf",
                                        "PDF-Dokumente (*.pdf)"}));
    EXPECT_EQ(f.printer.pdfFiles,
              std::vector<std::string>{"/home/lehrerin/Dokumente/Lösungsblatt.pdf"});
    EXPECT_EQ(f.printer.lastDocument.size(), 41u) << "the same page goes into the file";
    EXPECT_EQ(f.dialogs.boxes[2].prompt,
              "Das Lösungsblatt wurde als PDF-Datei gespeichert:\r"
              "/home/lehrerin/Dokumente/Lösungsblatt.pdf\r\r");
    EXPECT_FALSE(successClaimed());
}

TEST_F(NoPrinter, TheExerciseSheetProposesItsOwnName) {
    f.dialogs.answers = {Answer::Yes, Answer::Yes};
    form.Befehl17_Click();
    ASSERT_EQ(f.dialogs.saveDialogs.size(), 1u);
    EXPECT_EQ(f.dialogs.saveDialogs[0][1], "Rechenblatt.pdf");
}

TEST_F(NoPrinter, CancellingTheSaveDialogSaysNothingWasPrinted) {
    f.dialogs.answers = {Answer::Yes, Answer::Yes};
    form.Befehl17_Click();  // the save dialog answers "" (Cancel)
    EXPECT_TRUE(f.printer.pdfFiles.empty());
    EXPECT_EQ(
        f.dialogs.boxes.back(),
        fakes::okBox("Das Rechenblatt wurde nicht gedruckt und nicht gespeichert.\r\r", "Drucken"));
    EXPECT_FALSE(successClaimed());
}

TEST_F(NoPrinter, AFileThatCannotBeWrittenIsReported) {
    f.printer.pdfWorks = false;
    f.dialogs.answers = {Answer::Yes, Answer::Yes};
    f.dialogs.savePaths.push_back("/schreibgeschuetzt/Rechenblatt.pdf");
    form.Befehl17_Click();
    EXPECT_EQ(f.dialogs.boxes.back().icon, rt::Icon::Critical);
    EXPECT_NE(f.dialogs.boxes.back().prompt.find("/schreibgeschuetzt/Rechenblatt.pdf"),
              std::string::npos);
    EXPECT_NE(f.dialogs.boxes.back().prompt.find("nichts gedruckt"), std::string::npos);
    EXPECT_FALSE(successClaimed());
}

TEST_F(NoPrinter, NoToTheOfferEndsWithoutADialog) {
    f.dialogs.answers = {Answer::Yes, Answer::No};
    form.Befehl17_Click();
    EXPECT_TRUE(f.dialogs.saveDialogs.empty());
    EXPECT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_FALSE(successClaimed());
}

// --- clipboard ---

TEST_F(SheetWindow, KopierenPutsBothSheetsOnTheClipboardWithoutTheLock) {
    f.clipboard.text = "alter Inhalt";
    form.Befehl19_Click();
    EXPECT_FALSE(inputBoxShown()) << "copying is never locked";
    std::string expected;
    for (int i = 0; i < 37; ++i) {
        const bool result = i == 3 || i == 10 || i == 17 || i == 25 || i == 33;
        expected +=
            (result ? std::string(" ") : form.Liste5.lines[static_cast<std::size_t>(i)]) + "\r\n";
    }
    expected += "\r\n\r\n";
    for (const std::string& line : form.Liste5.lines) expected += line + "\r\n";
    EXPECT_EQ(f.clipboard.text, expected);
    EXPECT_EQ(f.dialogs.boxes,
              std::vector<rt::MessageBox>{fakes::okBox(
                  "Die Rechenaufgaben und die Lösungen wurden in die Ablage kopiert.\r"
                  "(Beim Einfügen muss die Schriftart 'COURIER NEW' gesetzt werden!)\r\r",
                  "Zwischenablage")});
    EXPECT_EQ(form.Liste5.left, 960);
}

}  // namespace
