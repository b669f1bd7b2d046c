// What a screen reader finds in the reward games, rendered by the real renderer
// and read through Qt's accessibility interfaces, as the accessibility bus
// passes them on: every control is named and described, and a face-down card
// is still named.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <string>
#include <vector>

#include "demo_form.h"
#include "fakes/fakes.h"
#include "trainer/form2.h"

namespace {

struct Spoken {
    QString name;
    QString description;
};

Spoken spoken(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return {QStringLiteral("<none>"), QStringLiteral("<none>")};
    return {face->text(QAccessible::Name), face->text(QAccessible::Description)};
}

// Walks what a screen reader sees below a window and lists every control it
// could not announce: a button, picture, scroll bar or check box without a
// name, a label with neither name nor description.
void collectSilent(QAccessibleInterface* node, std::vector<std::string>& silent) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        const QString name = child->text(QAccessible::Name);
        const QString description = child->text(QAccessible::Description);
        switch (child->role()) {
            case QAccessible::PushButton:
            case QAccessible::Graphic:
            case QAccessible::ScrollBar:
            case QAccessible::CheckBox:
                if (name.isEmpty())
                    silent.push_back("unnamed control of role " + std::to_string(child->role()) +
                                     ": " + description.toStdString());
                break;
            case QAccessible::StaticText:
                if (name.isEmpty() && description.isEmpty())
                    silent.push_back("label with neither name nor description");
                break;
            default:
                break;
        }
        collectSilent(child, silent);
    }
}

std::vector<std::string> silentControls(QWidget& window) {
    std::vector<std::string> silent;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&window);
    if (!face)
        return {"the window itself"};
    collectSilent(face, silent);
    return silent;
}

void press(QWidget& box, const QString& text) {
    for (auto* b : box.findChildren<QAbstractButton*>()) {
        if (b->text() == text) {
            b->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

struct Expected {
    const rt::Control* control;
    const char* name;
    const char* description;
};

class GamesSpoken : public ::testing::Test {
  protected:
    void SetUp() override {
        windows_.show(trainer_);
        demo::settle();
    }
    QWidget* widget(const rt::Form& form, const rt::Control& control) {
        return renderer_.windowOf(form)->widgetOf(control);
    }
    void expectSpoken(const rt::Form& form, const std::vector<Expected>& cases) {
        for (const Expected& c : cases) {
            QWidget* w = widget(form, *c.control);
            ASSERT_NE(w, nullptr) << c.control->name;
            const Spoken s = spoken(w);
            EXPECT_EQ(s.name.toStdString(), c.name) << c.control->name;
            EXPECT_EQ(s.description.toStdString(), c.description) << c.control->name;
        }
    }

    fakes::Fakes fakes_;
    rtqt::FormRenderer renderer_;
    rtqt::QtWindows windows_{renderer_};
    rtqt::QtDialogs dialogs_{renderer_};
    rt::Services services_{dialogs_,      fakes_.printer, fakes_.clipboard,
                           fakes_.random, fakes_.clock,   windows_};
    trainer::Form2 trainer_{services_};
};

TEST_F(GamesSpoken, TheCatchingGameNamesItsArrowsTargetAndSpeedBar) {
    demo::whenBoxOpens([](QWidget& box) { press(box, "OK"); });
    renderer_.dispatch([this] { trainer_.Bezeichnung26_Click(); });
    demo::settle();
    games::Form4& game = trainer_.Form4.get();
    rtqt::FormWindow& window = *renderer_.windowOf(game);
    ASSERT_TRUE(window.isVisible());

    expectSpoken(game,
                 {{&game.Befehl1, "ENDE", "Spiel beenden"},
                  {&game.Bild1, "Pfeil nach links", "Kreuz nach links, auch mit der Pfeiltaste"},
                  {&game.Bild2, "Pfeil nach oben", "Kreuz nach oben, auch mit der Pfeiltaste"},
                  {&game.Bild3, "Pfeil nach unten", "Kreuz nach unten, auch mit der Pfeiltaste"},
                  {&game.Bild4, "Pfeil nach rechts", "Kreuz nach rechts, auch mit der Pfeiltaste"},
                  {&game.Bezeichnung3, "0", "Diese Zahl als Nächste fangen"},
                  {&game.HBildlauf1, "Tempo", "Tempo der Zahlen: links schnell, rechts langsam"}});
    EXPECT_EQ(silentControls(window), std::vector<std::string>());
    EXPECT_EQ(spoken(&window).name.toStdString(), "Zahlfange");

    // The target display speaks the number to catch as it changes.
    renderer_.dispatch([&] { game.Bezeichnung3.caption = "4"; });
    EXPECT_EQ(spoken(widget(game, game.Bezeichnung3)).name.toStdString(), "4");
}

TEST_F(GamesSpoken, MemoryCardsAreNamedFaceDownAndSpeakTheirPairFaceUp) {
    renderer_.dispatch([this] { trainer_.Bezeichnung28_Click(); });
    demo::settle();
    games::Memo& game = trainer_.memo.get();
    rtqt::FormWindow& window = *renderer_.windowOf(game);
    ASSERT_TRUE(window.isVisible());

    expectSpoken(
        game,
        {{&game.Befehl1, "ENDE", "Spiel verlassen, es geht beim nächsten Mal weiter"},
         {&game.Befehl2, "Hilfe", "Spielregel"},
         {&game.Bezeichnung1, "Karte 1, verdeckt", "Karte 1 von 18, zum Umdrehen anklicken"},
         {&game.Bezeichnung7, "Karte 7, verdeckt", "Karte 7 von 18, zum Umdrehen anklicken"},
         {&game.Bezeichnung18, "Karte 18, verdeckt", "Karte 18 von 18, zum Umdrehen anklicken"}});
    EXPECT_EQ(silentControls(window), std::vector<std::string>());

    renderer_.dispatch([&] { game.Bezeichnung_Click(7); });
    const QString faceUp = spoken(widget(game, game.Bezeichnung7)).name;
    EXPECT_EQ(faceUp, QString::fromStdString(game.karte(7).caption));
    EXPECT_TRUE(faceUp.contains(QLatin1Char('+'))) << faceUp.toStdString();

    // Two cards turned, then a third: the two that did not match go face down
    // and are named as such again.
    int other = 8;
    while (game.Bezeichnung21[static_cast<std::size_t>(other - 1)] == game.Bezeichnung21[6])
        ++other;
    renderer_.dispatch([&] { game.Bezeichnung_Click(other); });
    const int third = other + 1;
    renderer_.dispatch([&] { game.Bezeichnung_Click(third); });
    EXPECT_EQ(spoken(widget(game, game.Bezeichnung7)).name.toStdString(), "Karte 7, verdeckt");
}

}  // namespace
