// The yardstick for start-up: a plain Qt window of the trainer window's size
// with as many labels and buttons as it has, written the obvious way.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "app/first_frame_probe.h"

namespace {

// The trainer window: 523 x 379 pixels, 39 labels, 17 command buttons.
constexpr int kWidth = 523;
constexpr int kHeight = 379;
constexpr int kLabels = 39;
constexpr int kButtons = 17;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare");
    window.setFixedSize(kWidth, kHeight);
    for (int i = 0; i < kLabels; ++i) {
        auto* label = new QLabel(QString::number(i % 10), &window);
        label->setGeometry(8 + (i % 13) * 38, 60 + (i / 13) * 40, 33, 33);
    }
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new QPushButton(QString::number(i % 10), &window);
        button->setGeometry(8 + (i % 10) * 40, i < 10 ? 300 : 8, 33, 33);
    }
    window.show();
    app::FirstFrameProbe::attachIfWanted(window);
    return application.exec();
}
