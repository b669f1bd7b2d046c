// Digit buttons drag the program's own MIME data; drops land on the topmost
// control under the mouse and raise its handler after the drag has ended.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QUrl>
#include <QWindow>

#include "demo_form.h"
#include "runtime/qt/control_mime.h"
#include "runtime/qt/control_widgets.h"

namespace {

TEST(ControlMimeData, NamesTheSourceControlForThisRunOnly) {
    const rtqt::ControlRef digit{"Form2", "Befehl5"};
    auto data = rtqt::makeControlMimeData(digit);
    EXPECT_TRUE(data->hasFormat(rtqt::kControlMimeType));
    EXPECT_FALSE(data->hasText()) << "nothing another program could take for text";
    EXPECT_EQ(rtqt::controlRefOf(data.get()), digit);

    QMimeData secondCopy;  // the same program started twice
    secondCopy.setData(rtqt::kControlMimeType, "1\nForm2\nBefehl5");
    QMimeData text;
    text.setText("7");
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile("/tmp/7.txt")});
    QMimeData broken;
    broken.setData(rtqt::kControlMimeType, "Befehl5");
    for (const QMimeData* other : {&secondCopy, &text, &file, &broken}) {
        EXPECT_EQ(rtqt::controlRefOf(other), std::nullopt)
            << other->formats().join(',').toStdString();
    }
    EXPECT_EQ(rtqt::controlRefOf(nullptr), std::nullopt);
}

class DragAndDrop : public ::testing::Test {
  protected:
    void SetUp() override {
        ui->windows.show(ui->form);
        ui->form.journal.clear();
    }

    // Enter, move and drop at a point of the window, as the window system
    // delivers them; true when the drop was taken.
    bool dropAt(QPoint at, const QMimeData& data) {
        QWindow* window = ui->window().windowHandle();
        QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &move);
        QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &drop);
        return drop.isAccepted() && drop.dropAction() != Qt::IgnoreAction;
    }
    std::unique_ptr<QMimeData> digitData() {
        auto* button = static_cast<rtqt::CommandButtonWidget*>(ui->widget(ui->form.digit));
        return button->dragData();
    }

    const QPoint cellCentre{56, 56};
    std::unique_ptr<demo::Rendered> ui = std::make_unique<demo::Rendered>();
};

TEST_F(DragAndDrop, ADigitButtonCarriesItselfAsTheSource) {
    EXPECT_EQ(rtqt::controlRefOf(digitData().get()), (rtqt::ControlRef{"Demo", "digit"}));
}

TEST_F(DragAndDrop, ADropRaisesTheHandlerWithTheSourceAfterTheDragHasEnded) {
    ui->renderer.dispatch([this] { ui->form.marker.left = 6000; });
    EXPECT_TRUE(dropAt(cellCentre, *digitData()));
    EXPECT_TRUE(ui->form.journal.empty()) << "not inside the drop event";
    demo::settle();
    EXPECT_EQ(ui->form.journal, (std::vector<std::string>{"drop:cell<-digit"}));
}

TEST_F(DragAndDrop, ADropOnACoveredLabelReachesThePictureBoxInFront) {
    EXPECT_TRUE(dropAt(cellCentre, *digitData()));
    demo::settle();
    EXPECT_EQ(ui->form.journal, (std::vector<std::string>{"drop:marker<-digit"}));
}

TEST_F(DragAndDrop, DropsFromOtherProgramsAreIgnored) {
    ui->renderer.dispatch([this] { ui->form.marker.left = 6000; });
    QMimeData text;
    text.setText("7");
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile("/tmp/7.txt")});
    QMimeData image;
    image.setData("image/png", QByteArray(8, '\0'));
    for (const QMimeData* foreign : {&text, &file, &image}) {
        EXPECT_FALSE(dropAt(cellCentre, *foreign)) << foreign->formats().join(',').toStdString();
    }
    demo::settle();
    EXPECT_TRUE(ui->form.journal.empty());
}

TEST_F(DragAndDrop, ADropOnAControlWithoutHandlerDoesNothingEvenInsideOneWithAHandler) {
    ui->form.box.onDragDrop = [this](const rt::Control& s) {
        ui->form.journal.push_back("drop:box<-" + s.name);
    };
    EXPECT_FALSE(dropAt(QPoint(100, 56), *digitData())) << "the plain label";
    EXPECT_FALSE(dropAt(QPoint(130, 115), *digitData())) << "the label inside the box";
    EXPECT_FALSE(dropAt(QPoint(5, 40), *digitData())) << "the window itself";
    demo::settle();
    EXPECT_TRUE(ui->form.journal.empty());
    EXPECT_TRUE(dropAt(QPoint(170, 130), *digitData())) << "the box beside its label";
    demo::settle();
    EXPECT_EQ(ui->form.journal, (std::vector<std::string>{"drop:box<-digit"}));
}

}  // namespace
