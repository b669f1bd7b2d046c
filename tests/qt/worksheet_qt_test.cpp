// The worksheet and the info window through the real renderer and services: the
// sheet in front of the board, a printed sheet read back from its PDF, the save
// dialog, and the info window's switch and close box.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "demo_form.h"
#include "fakes/fakes.h"
#include "runtime/qt/icons.h"
#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/qt_printer.h"
#include "sheets/worksheet.h"
#include "trainer/form2.h"

namespace {

// The text of a PDF as poppler reads it, the layout kept.
QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-layout", path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

std::vector<std::string> fullSheet() {
    fakes::FakeRandom random;
    return sheets::rechenblatt(random);
}

TEST(SheetPdf, APrintedSolutionSheetReadsBackLineForLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Lösungsblatt.pdf");
    const std::vector<std::string> sheet = fullSheet();
    rtqt::QtPrinter printer;
    printer.setOutputFile(path.toStdString());
    sheets::seiteDrucken(printer, "Minuskolonne (Lösungsblatt)", sheet);
    ASSERT_TRUE(printer.endDoc());

    const QString text = pdfText(path);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext read nothing";
    EXPECT_TRUE(text.contains(QStringLiteral("Minuskolonne (Lösungsblatt)")));
    // Fixed-width: every line of the sheet comes back with its spacing.
    for (int item : {0, 1, 3, 21, 25, 33}) {
        const QString line =
            QString::fromStdString(sheet[static_cast<std::size_t>(item)]).trimmed();
        EXPECT_TRUE(text.contains(line)) << "item " << item << ": " << line.toStdString();
    }
}

TEST(SheetPdf, BlankLinesPastThePageEndStartNoEmptyPage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("blatt.pdf");
    rtqt::QtPrinter printer;
    printer.setOutputFile(path.toStdString());
    // Far more blank lines than a page holds, after a heading.
    sheets::seiteDrucken(printer, "Minuskolonne (Rechenblatt)", std::vector<std::string>(80, " "));
    ASSERT_TRUE(printer.endDoc());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);

    // A line with something on it after them still goes onto a next page.
    std::vector<std::string> lines(80, " ");
    lines.push_back("  742");
    const QString two = dir.filePath("zwei.pdf");
    printer.setOutputFile(two.toStdString());
    sheets::seiteDrucken(printer, "Minuskolonne (Rechenblatt)", lines);
    ASSERT_TRUE(printer.endDoc());
    QFile second(two);
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    const QByteArray secondContent = second.readAll();
    EXPECT_EQ(secondContent.count("/Type /Page\n") + secondContent.count("/Type /Page\r"), 2);
    EXPECT_TRUE(pdfText(two).contains(QStringLiteral("742")));
}

TEST(SheetPdf, TheLastDocumentCanBeSavedAgainAsPdf) {
    QTemporaryDir dir;
    const std::vector<std::string> sheet = fullSheet();
    rtqt::QtPrinter printer;
    // The first copy goes to a file too, so that no test ever reaches a real printer.
    printer.setOutputFile(dir.filePath("erste.pdf").toStdString());
    sheets::seiteDrucken(printer, "Minuskolonne (Rechenblatt)", sheets::aufgabenblatt(sheet));
    ASSERT_TRUE(printer.endDoc());
    const QString saved = dir.filePath("Rechenblatt.pdf");
    ASSERT_TRUE(printer.saveAsPdf(saved.toStdString()));
    const QString text = pdfText(saved);
    EXPECT_TRUE(text.contains(QStringLiteral("Minuskolonne (Rechenblatt)")));
    EXPECT_TRUE(text.contains(QString::fromStdString(sheet[0]).trimmed()));
    EXPECT_FALSE(text.contains(QString::fromStdString(sheet[3]).trimmed()))
        << "the results stay blank";
    EXPECT_EQ(text, pdfText(dir.filePath("erste.pdf")));

    EXPECT_FALSE(printer.saveAsPdf("/nonexistent-folder/Rechenblatt.pdf"));
    EXPECT_FALSE(printer.saveAsPdf(""));
}

TEST(SaveDialog, ProposesTheFileInTheDocumentsFolderInGerman) {
    auto dialog = rtqt::makeSaveDialog("Lösungsblatt als PDF-Datei speichern", "Lösungsblatt.pdf",
                                       "PDF-Dokumente (*.pdf)", nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Lösungsblatt als PDF-Datei speichern"));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->labelText(QFileDialog::Accept), QStringLiteral("Speichern"));
    EXPECT_EQ(dialog->labelText(QFileDialog::Reject), QStringLiteral("Abbrechen"));
    EXPECT_EQ(dialog->labelText(QFileDialog::FileName), QStringLiteral("Dateiname:"));
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("pdf"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    EXPECT_EQ(QFileInfo(dialog->directory().absolutePath()), QFileInfo(folder));
    EXPECT_EQ(dialog->selectedFiles().value(0),
              QDir(folder).filePath(QStringLiteral("Lösungsblatt.pdf")));
}

TEST(InfoPictures, TheCrossIsBuiltIn) {
    EXPECT_EQ(rtqt::iconPixmap("cross", 1.0).size(), QSize(32, 32));
}

// The trainer with the real renderer; the dialogs, printer and clipboard are fakes.
class RenderedSheet : public ::testing::Test {
  protected:
    void SetUp() override {
        windows_.show(form_);
        demo::settle();
    }
    void click(const rt::Control& c) {
        QWidget* widget = window().widgetOf(c);
        ASSERT_NE(widget, nullptr) << c.name;
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        demo::settle();
    }
    // The widget a click at the centre of the control would reach.
    QWidget* topmostAt(const rt::Control& c) {
        QPoint at(c.left / 15 + c.width / 30, c.top / 15 + c.height / 30);
        return window().childAt(at);
    }
    rtqt::FormWindow& window() { return *renderer_.windowOf(form_); }

    fakes::Fakes fakes_;
    rtqt::FormRenderer renderer_;
    rtqt::QtWindows windows_{renderer_};
    rt::Services services_{fakes_.dialogs, fakes_.printer, fakes_.clipboard,
                           fakes_.random,  fakes_.clock,   windows_};
    trainer::Form2 form_{services_};
};

bool within(QWidget* widget, QWidget* ancestor) {
    for (; widget; widget = widget->parentWidget()) {
        if (widget == ancestor)
            return true;
    }
    return false;
}

TEST_F(RenderedSheet, TheSheetStandsInFrontOfTheButtonsAndTheBoard) {
    click(form_.Befehl14);
    ASSERT_EQ(form_.Liste5.listCount(), 37);
    QWidget* panel = window().widgetOf(form_.Bild3);
    auto* list = qobject_cast<QListWidget*>(window().widgetOf(form_.Liste5));
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(list, nullptr);
    for (const rt::Control* covered : std::initializer_list<const rt::Control*>{
             &form_.Befehl1, &form_.Befehl12, &form_.Befehl14}) {
        EXPECT_TRUE(within(topmostAt(*covered), panel)) << covered->name;
    }
    for (const rt::Control* covered : std::initializer_list<const rt::Control*>{
             &form_.Bezeichnung13, &form_.Befehl2, &form_.Bezeichnung28}) {
        EXPECT_TRUE(within(topmostAt(*covered), list)) << covered->name;
    }
    EXPECT_EQ(list->count(), 37);
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(0x80, 0x80, 0xFF));
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(0xFF, 0xFF, 0x00));
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch()) << "the columns line up";

    click(form_.Befehl16);  // "Abbruch"
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(window().childAt(QPoint(form_.Befehl12.left / 15 + 20, 20)),
              window().widgetOf(form_.Befehl12));
}

TEST_F(RenderedSheet, InfoShowsTheWindowAndItsCloseBoxForgetsTheSwitch) {
    click(form_.Befehl12);
    ASSERT_TRUE(form_.ZOBLABEL.exists());
    info::ZOBLABEL& info = form_.ZOBLABEL.get();
    rtqt::FormWindow* shown = renderer_.windowOf(info);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(shown->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(shown->windowFlags() & Qt::WindowMaximizeButtonHint);
    auto* box = qobject_cast<QCheckBox*>(shown->widgetOf(info.Kontroll1));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isChecked());
    // White on the panel's blue, so that the caption can be read.
    const QImage look = box->grab().toImage();
    EXPECT_EQ(QColor(look.pixel(look.width() - 3, look.height() / 2)), QColor(0x80, 0x80, 0xFF));
    EXPECT_TRUE(shown->widgetOf(info.Bezeichnung5)->font().underline());

    box->click();  // the user unticks the switch
    demo::settle();
    EXPECT_EQ(info.Kontroll1.value, 0);
    QTest::mouseClick(shown->widgetOf(info.Bild1), Qt::LeftButton);  // the cross
    demo::settle();
    EXPECT_FALSE(shown->isVisible());
    EXPECT_TRUE(form_.ZOBLABEL.exists());
    EXPECT_EQ(form_.ZOBLABEL->Kontroll1.value, 0) << "hidden, the switch keeps its value";

    click(form_.Befehl12);
    ASSERT_TRUE(renderer_.windowOf(form_.ZOBLABEL.get())->close());  // the title bar's close box
    demo::settle();
    EXPECT_FALSE(form_.ZOBLABEL.exists());
    EXPECT_EQ(form_.ZOBLABEL->Kontroll1.value, 1) << "made anew, ticked";
}

}  // namespace
