// What a screen reader gets from the renderer: every control's name is its shown
// text or its given name, its description its role, and a message box carries
// its text.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMessageBox>

#include "demo_form.h"

namespace {

QString spoken(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QStringLiteral("<none>");
}

class ScreenReader : public ::testing::Test {
  protected:
    void SetUp() override {
        ui = std::make_unique<demo::Rendered>();
        ui->form.marker.accessibleName = "Markierung";
        ui->form.marker.description = "ausgewählte Zelle";
        ui->form.list.accessibleName = "Arbeitsblatt";
        ui->form.ok.description = "bestätigt";
        ui->windows.show(ui->form);
    }
    void change(const std::function<void()>& handler) { ui->renderer.dispatch(handler); }
    std::unique_ptr<demo::Rendered> ui;
};

TEST_F(ScreenReader, NamesAreTheShownTextOrTheGivenName) {
    struct Case {
        const rt::Control* control;
        const char* name;
        const char* description;
    };
    const Case cases[] = {
        {&ui->form.cell, "7", "Ergebnis, Zehner"},
        {&ui->form.ok, "OK", "bestätigt"},
        {&ui->form.digit, "3", ""},
        {&ui->form.marker, "Markierung", "ausgewählte Zelle"},
        {&ui->form.list, "Arbeitsblatt", ""},
        {&ui->form.inner, "0", ""},
    };
    for (const Case& c : cases) {
        QWidget* widget = ui->widget(*c.control);
        ASSERT_NE(widget, nullptr) << c.control->name;
        EXPECT_EQ(spoken(widget, QAccessible::Name), QString::fromUtf8(c.name)) << c.control->name;
        EXPECT_EQ(spoken(widget, QAccessible::Description), QString::fromUtf8(c.description))
            << c.control->name;
    }
}

TEST_F(ScreenReader, NamesFollowTheTextAndGivenNamesWin) {
    change([this] {
        ui->form.cell.caption = "4";
        ui->form.ok.accessibleName = "Fertig";
    });
    EXPECT_EQ(spoken(ui->widget(ui->form.cell), QAccessible::Name), QStringLiteral("4"));
    EXPECT_EQ(spoken(ui->widget(ui->form.ok), QAccessible::Name), QStringLiteral("Fertig"));

    change([this] { ui->form.ok.accessibleName.clear(); });
    EXPECT_EQ(spoken(ui->widget(ui->form.ok), QAccessible::Name), QStringLiteral("OK"))
        << "without a given name the shown text is spoken again";
}

TEST_F(ScreenReader, ABlankNameIsSpokenOnlyWhileNoTextIsShown) {
    change([this] {
        ui->form.plain.blankName = "Karte 7, verdeckt";
        ui->form.cell.blankName = "leer";
    });
    EXPECT_EQ(spoken(ui->widget(ui->form.plain), QAccessible::Name),
              QStringLiteral("Karte 7, verdeckt"));
    EXPECT_EQ(spoken(ui->widget(ui->form.cell), QAccessible::Name), QStringLiteral("7"))
        << "a shown text is spoken before the blank name";

    change([this] { ui->form.plain.caption = "3 + 7"; });
    EXPECT_EQ(spoken(ui->widget(ui->form.plain), QAccessible::Name), QStringLiteral("3 + 7"));
    change([this] { ui->form.plain.caption.clear(); });
    EXPECT_EQ(spoken(ui->widget(ui->form.plain), QAccessible::Name),
              QStringLiteral("Karte 7, verdeckt"))
        << "turned face down again, the card is named again";
}

TEST_F(ScreenReader, TheLinesOfAShownTextAreSpokenAsOne) {
    change([this] { ui->form.cell.caption = "Projekt Minuskolonne\r\nKontakt\rREADME"; });
    EXPECT_EQ(spoken(ui->widget(ui->form.cell), QAccessible::Name),
              QStringLiteral("Projekt Minuskolonne Kontakt README"));
}

TEST_F(ScreenReader, MessageBoxesAreReadWithTitleAndText) {
    auto box = rtqt::makeMessageBox({"Das ist leider falsch, rechne nochmal.\r\r", "Minuskolonne",
                                     rt::Buttons::YesNo, rt::Icon::Exclamation, true},
                                    &ui->window());
    EXPECT_EQ(spoken(box.get(), QAccessible::Name), QStringLiteral("Minuskolonne"));
    EXPECT_EQ(spoken(box.get(), QAccessible::Description),
              QStringLiteral("Das ist leider falsch, rechne nochmal."));
}

}  // namespace
