#pragma once
// Message and input boxes with German buttons. Before a box opens, every window
// is brought in step with its form, so the child sees what the box is about.

#include <QFileDialog>
#include <QMessageBox>
#include <memory>
#include <optional>

#include "runtime/services.h"

namespace rtqt {

class FormRenderer;

class QtDialogs final : public rt::Dialogs {
  public:
    explicit QtDialogs(FormRenderer& renderer) : renderer_(renderer) {}

    rt::Answer msgBox(const rt::MessageBox& box) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& preset) override;
    std::string saveFileName(const std::string& title, const std::string& proposedName,
                             const std::string& fileType) override;

  private:
    FormRenderer& renderer_;
};

// The box as it will be shown: "Ja"/"Nein" or "OK", the default and escape
// buttons set, line breaks for carriage returns.
std::unique_ptr<QMessageBox> makeMessageBox(const rt::MessageBox& box, QWidget* parent);
// Where a box of the given size goes so that it leaves the window behind it in
// view (what a handler wrote before the box stays visible): just below the
// window, centred under it, when the screen has room there; otherwise nowhere
// particular, and Qt centres it.
std::optional<QPoint> placeBelow(const QRect& window, const QSize& box, const QRect& screen);
// The save dialog as it will be shown: German labels, the proposed file in the
// user's documents folder, asking before an existing file is replaced.
std::unique_ptr<QFileDialog> makeSaveDialog(const std::string& title,
                                            const std::string& proposedName,
                                            const std::string& fileType, QWidget* parent);
// Only Yes is a yes: a box closed any other way answers No (or OK).
rt::Answer answerOf(QMessageBox& shown, const rt::MessageBox& box);

}  // namespace rtqt
