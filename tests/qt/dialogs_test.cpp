// Message and input boxes: German buttons, defaults, answers, and the windows
// behind them kept current and still.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "demo_form.h"

namespace {

QStringList buttonTexts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* b : box.buttons()) texts << b->text();
    return texts;
}

QAbstractButton* buttonNamed(QWidget& box, const QString& text) {
    for (auto* b : box.findChildren<QAbstractButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

const rt::MessageBox kQuitQuestion{"Dieses Programm jetzt beenden?\r\r\r", "Minuskolonne",
                                   rt::Buttons::YesNo, rt::Icon::Critical, true};

TEST(MessageBoxPlace, BelowTheWindowWhenTheScreenHasRoomThere) {
    const QRect screen(0, 0, 1024, 768);
    const QSize box(300, 130);
    const struct {
        QRect window;
        std::optional<QPoint> at;
    } cases[] = {
        {QRect(250, 194, 523, 379), QPoint(361, 581)},  // centred window on 1024 x 768
        {QRect(250, 380, 523, 379), std::nullopt},      // no room below: Qt centres it
        {QRect(-200, 100, 523, 379), std::nullopt},     // it would stick out on the left
    };
    for (const auto& c : cases) EXPECT_EQ(rtqt::placeBelow(c.window, box, screen), c.at);
}

TEST(MessageBoxLook, YesNoInGermanWithNoAsDefaultWhereAsked) {
    auto box = rtqt::makeMessageBox(kQuitQuestion, nullptr);
    EXPECT_EQ(buttonTexts(*box), (QStringList{"Ja", "Nein"}));
    EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("Nein"));
    EXPECT_EQ(box->escapeButton()->text(), QStringLiteral("Nein"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Minuskolonne"));
    EXPECT_EQ(box->text(), QStringLiteral("Dieses Programm jetzt beenden?\n\n\n"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);

    rt::MessageBox yesFirst = kQuitQuestion;
    yesFirst.defaultNo = false;
    yesFirst.icon = rt::Icon::Question;
    auto question = rtqt::makeMessageBox(yesFirst, nullptr);
    EXPECT_EQ(question->defaultButton()->text(), QStringLiteral("Ja"));
    EXPECT_EQ(question->icon(), QMessageBox::Question);

    auto help = rtqt::makeMessageBox({"Schiebe die Ziffern\rmit der Maus\r", "Hilfe"}, nullptr);
    EXPECT_EQ(buttonTexts(*help), (QStringList{"OK"}));
    EXPECT_EQ(help->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(help->text(), QStringLiteral("Schiebe die Ziffern\nmit der Maus\n"));
}

class Dialogs : public ::testing::Test {
  protected:
    void SetUp() override { ui->windows.show(ui->form); }
    std::unique_ptr<demo::Rendered> ui = std::make_unique<demo::Rendered>();
};

TEST_F(Dialogs, OnlyJaAnswersYes) {
    struct Case {
        const char* how;
        std::function<void(QWidget&)> close;
        rt::Answer answer;
    };
    const Case cases[] = {
        {"Ja", [](QWidget& box) { buttonNamed(box, "Ja")->click(); }, rt::Answer::Yes},
        {"Nein", [](QWidget& box) { buttonNamed(box, "Nein")->click(); }, rt::Answer::No},
        {"Esc", [](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); }, rt::Answer::No},
        {"close box", [](QWidget& box) { box.close(); }, rt::Answer::No},
        {"Return on the default", [](QWidget& box) { QTest::keyClick(&box, Qt::Key_Return); },
         rt::Answer::No},
    };
    for (const Case& c : cases) {
        demo::whenBoxOpens(c.close);
        EXPECT_EQ(ui->dialogs.msgBox(kQuitQuestion), c.answer) << c.how;
    }
    demo::whenBoxOpens([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(ui->dialogs.msgBox({"Die Aufgabe wurde richtig gelöst.\r\r", "Prima"}),
              rt::Answer::Ok);
}

TEST_F(Dialogs, TheWindowBehindShowsWhatTheHandlerWroteBeforeTheBox) {
    QString shownWhileOpen;
    auto* cell = static_cast<QLabel*>(ui->widget(ui->form.cell));
    ui->form.ok.onClick = [this] {
        ui->form.cell.caption = "4";  // a wrong digit, written before the message
        ui->dialogs.msgBox({"Das ist leider falsch, rechne nochmal.\r\r", "Fehler"});
        ui->form.cell.caption = "";
    };
    demo::whenBoxOpens([&](QWidget& box) {
        shownWhileOpen = cell->text();
        box.close();
    });
    QTest::mouseClick(ui->widget(ui->form.ok), Qt::LeftButton);
    EXPECT_EQ(shownWhileOpen, QStringLiteral("4"));
    EXPECT_EQ(cell->text(), QString());
}

TEST_F(Dialogs, NoTimerTickReachesAFormWhileABoxIsOpen) {
    ui->renderer.dispatch([this] { ui->form.tick.interval = 2; });
    demo::Yardstick yardstick(2);
    int ticksAtOpen = -1;
    int ticksAtClose = -2;
    demo::whenBoxOpens([&](QWidget& box) {
        ticksAtOpen = ui->form.ticks;
        // Time for many ticks of the form's timer, had it been let through.
        EXPECT_TRUE(yardstick.waitTicks(5));
        ticksAtClose = ui->form.ticks;
        box.close();
    });
    ui->dialogs.msgBox({"Zeit ist um.", "Zahlfange"});
    EXPECT_EQ(ticksAtClose, ticksAtOpen);
    EXPECT_TRUE(demo::waitFor([&] { return ui->form.ticks > ticksAtClose; }))
        << "ticking again afterwards";
}

TEST_F(Dialogs, TheInputBoxReturnsTheTextOrNothingOnCancel) {
    QStringList buttons;
    demo::whenBoxOpens([&](QWidget& box) {
        for (auto* b : box.findChildren<QPushButton*>()) buttons << b->text();
        auto* edit = box.findChild<QLineEdit*>();
        EXPECT_EQ(edit->text(), QStringLiteral("Mqhxndzq"));
        edit->setText("57");
        buttonNamed(box, "OK")->click();
    });
    EXPECT_EQ(ui->dialogs.inputBox("Kennwort eingeben:", "Druckersperre aufheben", "Mqhxndzq"),
              "57");
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Abbrechen", "OK"}));

    demo::whenBoxOpens([](QWidget& box) { buttonNamed(box, "Abbrechen")->click(); });
    EXPECT_EQ(ui->dialogs.inputBox("Kennwort eingeben:", "Druckersperre aufheben", "Mqhxndzq"), "");
}

}  // namespace
