// The printer, clipboard, drawing and window services on Qt.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>

#include "demo_form.h"
#include "runtime/qt/qt_canvas.h"
#include "runtime/qt/qt_clipboard.h"
#include "runtime/qt/qt_printer.h"

namespace {

void printSheet(rt::Printer& printer, int lines) {
    printer.setFont("Courier New", 18);
    printer.setCurrentX(0);
    printer.setCurrentY(0);
    printer.printLine("");
    printer.printLine("Minuskolonne (Rechenblatt)");
    for (int i = 0; i < lines; ++i) printer.printLine("   742      -     57  =  ___");
}

TEST(QtPrinter, WritesTheDocumentIntoAPdfFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("blatt.pdf");
    rtqt::QtPrinter printer;
    printer.setOutputFile(path.toStdString());
    printSheet(printer, 39);  // more than a page holds at 18 points
    ASSERT_TRUE(printer.endDoc());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 2)
        << "a full page continues on the next";
}

TEST(QtPrinter, APrinterThatCannotStartReportsFalse) {
    rtqt::QtPrinter printer;
    printer.setOutputFile("/nonexistent-folder/blatt.pdf");
    printSheet(printer, 3);
    EXPECT_FALSE(printer.endDoc());
}

TEST(QtClipboard, PutsPlainTextOnTheClipboard) {
    rtqt::QtClipboard clipboard;
    clipboard.clear();
    clipboard.setText("  742\r\n -  57\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("  742\r\n -  57\r\n"));
    clipboard.clear();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

class WindowServices : public ::testing::Test {
  protected:
    std::unique_ptr<demo::Rendered> ui = std::make_unique<demo::Rendered>();
};

TEST_F(WindowServices, TheCanvasPaintsOnlyGlyphsUnderTheControlsUntilCleared) {
    ui->windows.show(ui->form);
    rt::Canvas& canvas = ui->windows.canvas(ui->form);
    canvas.setForeColor(0x0000FF);
    canvas.setFontSize(24);
    canvas.printAt(3, 40, "8");  // points: 4 px from the left, under nothing
    const QImage& surface = ui->window().surface();
    int red = 0;
    int other = 0;
    for (int y = 50; y < 90; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QColor c = surface.pixelColor(x, y);
            if (c.alpha() == 0)
                continue;
            (c.red() > 0 && c.green() == 0 && c.blue() == 0 ? red : other)++;
        }
    }
    EXPECT_GT(red, 20) << "the digit was drawn";
    EXPECT_EQ(other, 0) << "no background box";
    const QImage shot = ui->window().grab().toImage();
    int shownRed = 0;
    for (int y = 50; y < 80; ++y) {
        for (int x = 0; x < 20; ++x) shownRed += shot.pixelColor(x, y) == QColor(0xFF, 0, 0);
    }
    EXPECT_GT(shownRed, 10) << "shown in the window";
    canvas.cls();
    EXPECT_EQ(surface.pixelColor(8, 70).alpha(), 0);
}

TEST_F(WindowServices, AFormCanDrawWhileItLoads) {
    struct DrawsOnLoad : demo::DemoForm {
        explicit DrawsOnLoad(rt::Windows& w) : demo::DemoForm("Drawing"), windows(w) {}
        void Form_Load() override { windows.canvas(*this).printAt(3, 40, "8"); }
        rt::Windows& windows;
    } drawing(ui->windows);
    ui->windows.show(drawing);
    const QImage& surface = ui->renderer.windowOf(drawing)->surface();
    int inked = 0;
    for (int y = 50; y < 90; ++y) {
        for (int x = 0; x < 20; ++x) inked += surface.pixelColor(x, y).alpha() > 0;
    }
    EXPECT_GT(inked, 20);
}

TEST_F(WindowServices, SizesAreTwipsAndTheWindowFollowsItsFormsPosition) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(ui->windows.screenWidth(), screen.width() * 15);
    EXPECT_EQ(ui->windows.screenHeight(), screen.height() * 15);
    ui->windows.show(ui->form);
    EXPECT_EQ(ui->windows.outerWidth(ui->form), ui->window().frameGeometry().width() * 15);
    EXPECT_GE(ui->windows.outerHeight(ui->form), 2250);

    ui->renderer.dispatch([this] { ui->form.left = 1507, ui->form.top = 3000; });
    EXPECT_EQ(ui->window().pos(), QPoint(100, 200));
    EXPECT_EQ(ui->form.left, 1507) << "a left reads back exactly as written";
}

TEST_F(WindowServices, HideShowAndQuitTakeTheWindowsAway) {
    demo::DemoForm other{"Other"};
    ui->windows.show(ui->form);
    ui->windows.show(other);
    ui->windows.hide(ui->form);
    EXPECT_FALSE(ui->window().isVisible());
    ui->windows.show(ui->form);
    EXPECT_TRUE(ui->window().isVisible());
    // Even a window that refuses to close neither stops nor delays the end.
    ui->form.keepOpen = true;
    // Were the end delayed, the loop would run on and the test's time limit end it.
    QTimer::singleShot(0, [this] { ui->windows.quit(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(ui->window().isVisible());
    EXPECT_FALSE(ui->renderer.windowOf(other)->isVisible());
    EXPECT_EQ(ui->form.count("unload"), 0);
}

TEST_F(WindowServices, UnloadAsksTheFormFirst) {
    ui->windows.show(ui->form);
    ui->form.keepOpen = true;
    ui->windows.unload(ui->form);
    EXPECT_NE(ui->renderer.windowOf(ui->form), nullptr);
    ui->form.keepOpen = false;
    ui->windows.unload(ui->form);
    EXPECT_EQ(ui->renderer.windowOf(ui->form), nullptr);
    EXPECT_EQ(ui->form.count("unload"), 2);
}

}  // namespace
