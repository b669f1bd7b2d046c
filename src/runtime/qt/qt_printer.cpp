#include "runtime/qt/qt_printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "runtime/qt/qt_conversions.h"

namespace rtqt {

namespace {

constexpr double kTwipsPerInch = 1440.0;

QFont printerFont(const std::string& name, double size) {
    QFont font;
    font.setFamilies(familiesFor(name));
    font.setPointSizeF(size > 0 ? size : 10.0);
    return font;
}

}  // namespace

void QtPrinter::setFont(const std::string& name, double size) {
    steps_.push_back({Step::Kind::Font, name, size, 0});
}

void QtPrinter::setCurrentX(int x) {
    steps_.push_back({Step::Kind::X, {}, 0, x});
}

void QtPrinter::setCurrentY(int y) {
    steps_.push_back({Step::Kind::Y, {}, 0, y});
}

void QtPrinter::printLine(const std::string& text) {
    steps_.push_back({Step::Kind::Line, text, 0, 0});
}

bool QtPrinter::endDoc() {
    lastDocument_ = std::move(steps_);
    steps_.clear();
    return render(lastDocument_, outputFile_);
}

bool QtPrinter::saveAsPdf(const std::string& path) {
    return !path.empty() && render(lastDocument_, path);
}

bool QtPrinter::render(const std::vector<Step>& steps, const std::string& pdfPath) {
    // With no printer installed Qt would quietly make a PDF without a name.
    if (pdfPath.empty() && QPrinterInfo::availablePrinterNames().isEmpty())
        return false;

    QPrinter printer(QPrinter::HighResolution);
    if (!pdfPath.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(toQString(pdfPath));
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    const double unitsPerTwip = printer.resolution() / kTwipsPerInch;
    const double pageHeight = painter.device()->height();
    QFont font = printerFont("Courier New", 10);
    painter.setFont(font);
    double x = 0;
    double y = 0;
    for (const Step& step : steps) {
        switch (step.kind) {
            case Step::Kind::Font:
                font = printerFont(step.text, step.size);
                painter.setFont(font);
                break;
            case Step::Kind::X:
                x = step.position * unitsPerTwip;
                break;
            case Step::Kind::Y:
                y = step.position * unitsPerTwip;
                break;
            case Step::Kind::Line: {
                const QFontMetricsF metrics(font, &printer);
                const QString text = toQString(step.text);
                // Empty lines that run past the end of a page are left out rather
                // than starting a page of their own: a sheet ending in blank lines
                // must not cost a blank sheet of paper.
                const bool blank = text.trimmed().isEmpty();
                if (y > 0 && y + metrics.height() > pageHeight) {
                    if (blank) {
                        y += metrics.lineSpacing();
                        x = 0;
                        break;
                    }
                    printer.newPage();
                    y = 0;
                }
                if (!blank)
                    painter.drawText(QPointF(x, y + metrics.ascent()), text);
                // Like a printed line, the next one starts at the left edge.
                y += metrics.lineSpacing();
                x = 0;
                break;
            }
        }
    }
    return painter.end();
}

}  // namespace rtqt
