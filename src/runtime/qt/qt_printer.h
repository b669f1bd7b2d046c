#pragma once
// The default printer. Lines are collected and laid out on the pages when the
// document ends, so that a missing printer costs nothing but a false, and the
// same document can still be written to a PDF file afterwards.

#include <string>
#include <vector>

#include "runtime/services.h"

namespace rtqt {

class QtPrinter final : public rt::Printer {
  public:
    // Prints into this PDF file instead of the default printer.
    void setOutputFile(const std::string& pdfPath) { outputFile_ = pdfPath; }

    void setFont(const std::string& name, double size) override;
    void setCurrentX(int x) override;
    void setCurrentY(int y) override;
    void printLine(const std::string& text) override;
    bool endDoc() override;
    bool saveAsPdf(const std::string& path) override;

  private:
    // One step of the document, replayed onto the pages at the end.
    struct Step {
        enum class Kind { Font, X, Y, Line } kind;
        std::string text;
        double size = 0;
        int position = 0;
    };
    // Lays the steps out on the pages of the default printer, or of a PDF file
    // when a path is given; false when the pages could not be made.
    static bool render(const std::vector<Step>& steps, const std::string& pdfPath);

    std::vector<Step> steps_;
    std::vector<Step> lastDocument_;
    std::string outputFile_;
};

}  // namespace rtqt
