// The real windows under a child's hands: random presses, moves, releases, keys,
// title-bar closes and drops (digits, plain text and file lists from outside) on
// every window of the program, with every box that opens answered from inside its
// own loop. Nothing may crash, and no box may stay open.
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

    void oneEvent() {
        const auto shown = shownWindows();
        if (shown.empty())
            return;
        rtqt::FormWindow& window = *shown[random_.below(static_cast<std::uint32_t>(shown.size()))];
        const QPoint at(
            static_cast<int>(random_.below(static_cast<std::uint32_t>(window.width()))),
            static_cast<int>(random_.below(static_cast<std::uint32_t>(window.height()))));
        QWindow* handle = window.windowHandle();
        static const Qt::Key keys[] = {Qt::Key_0,     Qt::Key_3,      Qt::Key_5,      Qt::Key_9,
                                       Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A,
                                       Qt::Key_F1,    Qt::Key_Left,   Qt::Key_Tab};
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
    for (std::size_t i = 0; i < count; ++i) oneEvent();
    demo::settle();
    std::printf("%zu events, %d boxes opened, %d closed, %lld points, %lld errors\n", count,
                answerer_.opened, answerer_.closed,
                static_cast<long long>(rt::val(trainer_.Bezeichnung16)),
                static_cast<long long>(rt::val(trainer_.Bezeichnung15)));
    EXPECT_GT(answerer_.opened, 0) << "the run never opened a box";
    EXPECT_EQ(answerer_.closed, answerer_.opened);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_NE(renderer_.windowOf(trainer_), nullptr);
}

}  // namespace
