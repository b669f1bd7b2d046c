// The real windows under a child's hands: random presses, moves, releases, keys,
// title-bar closes and drops (digits, plain text and file lists from outside) on
// every window of the program, with every box that opens answered from inside its
// own loop. The run goes through the program's windows in turn: the trainer with
// the worksheet over its board, the info window, the catching game with its timer
// ticking fast, and the memory game. Nothing may crash, and no box may stay open.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDropEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "demo_form.h"
#include "driver/split_mix.h"
#include "fakes/fakes.h"
#include "runtime/clock_random.h"
#include "runtime/conversions.h"
#include "runtime/qt/control_widgets.h"
#include "runtime/qt/form_renderer.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/qt_windows.h"
#include "trainer/form2.h"

namespace {

// Answers every modal box once it is shown: from a queued call inside the box's
// own loop, so the handler that opened it goes on as after a click.
class BoxAnswerer : public QObject {
  public:
    explicit BoxAnswerer(driver::SplitMix& random) : random_(random) {
        qApp->installEventFilter(this);
    }
    ~BoxAnswerer() override { qApp->removeEventFilter(this); }
    int opened = 0;
    int closed = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QDialog*>(watched);
        if (!box || event->type() != QEvent::Show || !box->isModal())
            return false;
        ++opened;
        QTimer::singleShot(0, box, [this, box = QPointer<QDialog>(box)] {
            if (!box)
                return;
            if (auto* input = qobject_cast<QInputDialog*>(box.data())) {
                input->setTextValue(random_.chance(0.5) ? QStringLiteral("12") : QString());
                random_.chance(0.5) ? input->accept() : input->reject();
            } else {
                // Escape: OK for a notice, No for a question, so the run goes on.
                box->reject();
            }
            ++closed;
        });
        return false;
    }

  private:
    driver::SplitMix& random_;
};

std::size_t eventCount() {
    const char* text = std::getenv("MINUS_RANDOM_INPUT_EVENTS");
    return text && *text ? std::strtoull(text, nullptr, 10) : 3000;
}

class RandomInput : public ::testing::Test {
  protected:
    void SetUp() override { windows_.show(trainer_); }

    std::vector<rtqt::FormWindow*> shownWindows() const {
        std::vector<rtqt::FormWindow*> shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* window = dynamic_cast<rtqt::FormWindow*>(w);
            if (window && window->isVisible() && renderer_.windowOf(window->form()) == window)
                shown.push_back(window);
        }
        return shown;
    }

    // A press on a button that drags at once would start a real drag, which waits for
    // a mouse the offscreen platform never moves; such drags arrive as drops instead.
    static bool startsADrag(QWidget* at) {
        for (; at; at = at->parentWidget()) {
            if (auto* button = dynamic_cast<rtqt::CommandButtonWidget*>(at))
                return button->dragOnPress();
        }
        return false;
    }

    std::unique_ptr<QMimeData> somethingDragged(rtqt::FormWindow& window) {
        auto data = std::make_unique<QMimeData>();
        switch (random_.below(3)) {
            case 0: {
                // A digit button of the trainer.
                auto* button = dynamic_cast<rtqt::CommandButtonWidget*>(
                    renderer_.widgetOf(*trainer_.ziffern()[random_.below(10)]));
                if (button && button->dragData)
                    return button->dragData();
                break;
            }
            case 1:
                data->setText(QString::number(random_.below(10)));
                break;
            default:
                data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/aufgaben.txt")),
                               QUrl::fromLocalFile(QStringLiteral("/home/kind/bild.png"))});
                break;
        }
        (void)window;
        return data;
    }

    void drop(rtqt::FormWindow& window, QPoint at) {
        const auto data = somethingDragged(window);
        QWindow* handle = window.windowHandle();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &move);
        QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                           Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &dropped);
    }

    // Where the run stands: which window it mostly works on.
    enum class Phase { Trainer, Sheet, Info, Catching, Memory };

    // Brings the phase's window up as the program does, from inside a handler.
    void startPhase(Phase phase) {
        phase_ = phase;
        renderer_.dispatch([this, phase] {
            switch (phase) {
                case Phase::Trainer:
                    break;
                case Phase::Sheet:
                    trainer_.Befehl14_Click();
                    break;
                case Phase::Info:
                    trainer_.Befehl12_Click();
                    break;
                case Phase::Catching:
                    trainer_.Bezeichnung26_Click();
                    // Ticks come fast, so that they meet the child's events.
                    trainer_.Form4->Zeit1.interval = 30;
                    break;
                case Phase::Memory:
                    if (trainer_.Form4.exists())
                        trainer_.Form4->spielschliessen();
                    trainer_.Bezeichnung28_Click();
                    break;
            }
        });
        demo::settle();
    }

    rt::Form* formOfPhase() {
        switch (phase_) {
            case Phase::Trainer:
            case Phase::Sheet:
                return &trainer_;
            case Phase::Info:
                return trainer_.ZOBLABEL.exists() ? &trainer_.ZOBLABEL.get() : nullptr;
            case Phase::Catching:
                return trainer_.Form4.exists() ? &trainer_.Form4.get() : nullptr;
            case Phase::Memory:
                return trainer_.memo.exists() ? &trainer_.memo.get() : nullptr;
        }
        return nullptr;
    }

    // Whether the child has put the phase's window (or the sheet) away.
    bool phaseWindowGone() {
        rt::Form* form = formOfPhase();
        if (!form || !renderer_.windowOf(*form) || !renderer_.windowOf(*form)->isVisible())
            return true;
        return phase_ == Phase::Sheet && trainer_.Bild3.left != trainer::kSheetShown;
    }

    // Three events of four go to the phase's window, brought up again whenever the
    // child has put it away.
    rtqt::FormWindow* pickWindow() {
        if (phase_ != Phase::Trainer && phaseWindowGone()) {
            ++restarts;
            startPhase(phase_);
        }
        const auto shown = shownWindows();
        if (shown.empty())
            return nullptr;
        if (rt::Form* form = formOfPhase(); form && random_.below(4) != 0) {
            for (rtqt::FormWindow* window : shown)
                if (&window->form() == form)
                    return window;
        }
        return shown[random_.below(static_cast<std::uint32_t>(shown.size()))];
    }

    void oneEvent() {
        rtqt::FormWindow* picked = pickWindow();
        if (!picked)
            return;
        rtqt::FormWindow& window = *picked;
        std::string reached = window.form().name;
        if (&window.form() == &trainer_ && trainer_.Bild3.left == trainer::kSheetShown)
            reached += " with the sheet";
        ++eventsOn[reached];
        const QPoint at(
            static_cast<int>(random_.below(static_cast<std::uint32_t>(window.width()))),
            static_cast<int>(random_.below(static_cast<std::uint32_t>(window.height()))));
        QWindow* handle = window.windowHandle();
        static const Qt::Key keys[] = {Qt::Key_0,     Qt::Key_3,      Qt::Key_5,      Qt::Key_9,
                                       Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A,
                                       Qt::Key_F1,    Qt::Key_Left,   Qt::Key_Up,     Qt::Key_Right,
                                       Qt::Key_Down,  Qt::Key_Tab};
        switch (random_.below(20)) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
                if (!startsADrag(window.childAt(at)))
                    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at);
                break;
            case 5:
            case 6:
            case 7:
                QTest::mouseMove(handle, at);
                break;
            case 8:
            case 9:
            case 10:
            case 11:
                QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at);
                break;
            case 12:
            case 13:
            case 14: {
                QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
                QTest::keyClick(focus, keys[random_.below(std::size(keys))]);
                break;
            }
            case 19:
                window.close();
                break;
            default:
                drop(window, at);
                break;
        }
        demo::settle();
    }

    // Events by the window they went to.
    std::map<std::string, std::size_t> eventsOn;
    int restarts = 0;
    Phase phase_ = Phase::Trainer;
    driver::SplitMix random_{20240611};
    BoxAnswerer answerer_{random_};
    fakes::FakeClock clock_;
    rt::ClockMixedRandom randomSource_{clock_, 7};
    fakes::FakePrinter printer_;
    fakes::FakeClipboard clipboard_;
    rtqt::FormRenderer renderer_;
    rtqt::QtWindows windows_{renderer_};
    rtqt::QtDialogs dialogs_{renderer_};
    rt::Services services_{dialogs_, printer_, clipboard_, randomSource_, clock_, windows_};
    trainer::Form2 trainer_{services_};
};

TEST_F(RandomInput, NothingBreaksAndEveryBoxIsClosed) {
    const std::size_t count = eventCount();
    const Phase phases[] = {Phase::Trainer, Phase::Sheet, Phase::Info, Phase::Catching,
                            Phase::Memory};
    for (Phase phase : phases) {
        startPhase(phase);
        for (std::size_t i = 0; i < count / std::size(phases); ++i) oneEvent();
    }
    demo::settle();
    std::printf("%zu events, %d boxes opened, %d closed, %lld points, %lld errors\n", count,
                answerer_.opened, answerer_.closed,
                static_cast<long long>(rt::val(trainer_.Bezeichnung16)),
                static_cast<long long>(rt::val(trainer_.Bezeichnung15)));
    for (const auto& [name, events] : eventsOn) std::printf("  %zu on %s\n", events, name.c_str());
    std::printf("  windows brought up again %d times\n", restarts);
    for (const char* name : {"Form2", "Form2 with the sheet", "ZOBLABEL", "Form4", "memo"})
        EXPECT_GT(eventsOn[name], 0u) << "the run never reached " << name;
    EXPECT_GT(answerer_.opened, 0) << "the run never opened a box";
    EXPECT_EQ(answerer_.closed, answerer_.opened);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_NE(renderer_.windowOf(trainer_), nullptr);
}

}  // namespace
