#include "driver/skilled_child.h"

#include "driver/trainer_invariants.h"
#include "trainer/stored_lines.h"

namespace driver {

namespace {

enum class Step { None, Left, Up, Down, Right };

Step towardsNextDigit(const games::Modul1& m) {
    if (m.fangzahlen.empty())
        return Step::None;
    if (m.kreuzspalte < m.zahlspalte[1])
        return Step::Right;
    if (m.kreuzspalte > m.zahlspalte[1])
        return Step::Left;
    if (m.kreuzzeile < m.zahlzeile[1])
        return Step::Down;
    if (m.kreuzzeile > m.zahlzeile[1])
        return Step::Up;
    return Step::None;
}

rt::Control* arrowPicture(games::Form4& game, Step step) {
    switch (step) {
        case Step::Left:
            return &game.Bild1;
        case Step::Up:
            return &game.Bild2;
        case Step::Down:
            return &game.Bild3;
        case Step::Right:
            return &game.Bild4;
        case Step::None:
            break;
    }
    return nullptr;
}

int arrowKey(Step step) {
    constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
    switch (step) {
        case Step::Left:
            return kLeft;
        case Step::Up:
            return kUp;
        case Step::Down:
            return kDown;
        case Step::Right:
            return kRight;
        case Step::None:
            break;
    }
    return 0;
}

// The open card's partner, else the first card still in play.
rt::Control* memoryCard(games::Memo& memo) {
    if (memo.Bezeichnung20 != "1")
        return &memo.karte(1);
    const std::string& numbers = memo.Bezeichnung21;
    const std::string& inPlay = memo.Bezeichnung22;
    const int open =
        static_cast<int>(memo.Bezeichnung23 == "0" ? 0 : std::stoi(memo.Bezeichnung23));
    const bool secondOpen = memo.Bezeichnung24 != "0";
    for (int n = 1; n <= games::kCards; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (inPlay[i] != '1')
            continue;
        if (open == 0 || secondOpen)
            return &memo.karte(n);
        if (n != open && numbers[i] == numbers[static_cast<std::size_t>(open - 1)])
            return &memo.karte(n);
    }
    return nullptr;
}

}  // namespace

rt::Control* skilledClick(trainer::Form2& t, const ProgramWindows& windows) {
    if (windows.isShown(t)) {
        if (t.Bezeichnung28.visible)
            return &t.Bezeichnung28;
        if (t.Bezeichnung26.visible)
            return &t.Bezeichnung26;
        return nullptr;
    }
    if (t.Form4.exists() && windows.isShown(t.Form4.get()))
        return arrowPicture(t.Form4.get(), towardsNextDigit(t.modul1));
    if (t.memo.exists() && windows.isShown(t.memo.get()))
        return memoryCard(t.memo.get());
    return nullptr;
}

Program::DragAndDrop skilledDrop(trainer::Form2& t, const ProgramWindows& windows) {
    if (!windows.isShown(t))
        return {};
    const auto isDigit = [](const std::string& s) {
        return s.size() == 1 && s[0] >= '0' && s[0] <= '9';
    };
    if (t.Bild6.top == trainer::kGapPanelShown) {
        // A blank digit cell of the gap exercise; the carries are left alone.
        const auto cells = t.luecken();
        for (std::size_t n = 0; n < cells.size(); ++n) {
            const GapPlace& place = kGapPlaces[n];
            const std::string digit = trainer::characterOf(trainer::lineOf(t.Liste2, place.line),
                                                           static_cast<int>(place.character));
            if (cells[n]->caption == place.blank && std::string(place.blank).empty() &&
                isDigit(digit))
                return {t.ziffern()[static_cast<std::size_t>(digit[0] - '0')], cells[n]};
        }
        return {};
    }
    const bool two = t.Bezeichnung20.left == trainer::kHeaderTwoSubtrahends;
    const std::string difference =
        two ? trainer::lineOf(t.Liste2, 3) : trainer::lineOf(t.Liste1, 2);
    rt::Label* const cells[3] = {&t.Bezeichnung11, &t.Bezeichnung12, &t.Bezeichnung13};
    for (int k = 0; k < 3; ++k) {
        const std::string digit = trainer::characterOf(difference, k + 2);
        if (cells[k]->caption.empty() && isDigit(digit))
            return {t.ziffern()[static_cast<std::size_t>(digit[0] - '0')], cells[k]};
    }
    return {};
}

int skilledKey(trainer::Form2& t, const ProgramWindows& windows) {
    const rt::Form* active = windows.activeForm();
    if (active == &t)
        return t.tastenzahl.size() == 1 ? static_cast<unsigned char>(t.tastenzahl[0]) : 0;
    if (t.Form4.exists() && active == &t.Form4.get())
        return arrowKey(towardsNextDigit(t.modul1));
    return 0;
}

}  // namespace driver
