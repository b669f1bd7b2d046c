#pragma once
// The default printer. Lines are collected and laid out on the pages when the
// document ends, so that a missing printer costs nothing but a false.

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

  private:
    // One step of the document, replayed onto the pages at the end.
    struct Step {
        enum class Kind { Font, X, Y, Line } kind;
        std::string text;
        double size = 0;
        int position = 0;
    };
    std::vector<Step> steps_;
    std::string outputFile_;
};

}  // namespace rtqt
