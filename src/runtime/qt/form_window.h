#pragma once
// The window of one form: a fixed-size top-level widget holding the widgets of
// its controls and a drawing surface under them, kept in step with the form's
// data by sync().

#include <QImage>
#include <QWidget>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/form.h"
#include "runtime/qt/control_view.h"

namespace rtqt {

class FormRenderer;
class QtCanvas;

class FormWindow : public QWidget {
  public:
    FormWindow(rt::Form& form, FormRenderer& renderer);
    ~FormWindow() override;

    // Only while the window is not retired.
    rt::Form& form() const { return *form_; }
    // After an unload that was not cancelled the window only waits for its
    // deletion: hidden and deaf, it touches neither its form, which its owner may
    // delete from now on, nor the renderer.
    void retire();
    bool retired() const { return form_ == nullptr; }
    // Applies whatever changed in the form and its controls since the last sync.
    void sync();

    // The widget showing a control; null while it has never been in sight.
    QWidget* widgetOf(const rt::Control& control) const;
    // The widget a control sits in: its picture box, or the window itself.
    QWidget* parentFor(const rt::Control& control) const;
    // The area of a picture box (or of the window, for none) in its own pixels.
    QRect areaOf(const rt::Control* container) const;
    // Puts a newly made widget at its place among its siblings.
    void placeInStack(const ControlView& view);

    // What the form draws on: kept while the window lives, shown under the controls.
    QImage& surface() { return surface_; }
    QtCanvas& canvas() { return *canvas_; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    struct FormLook {
        std::string caption;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        rt::Colour back = 0;
        std::string icon;
        rt::BorderStyle border = rt::BorderStyle::Fixed;
    };
    void applyForm(bool first);
    void resizeSurface(QSize size);

    rt::Form* form_;
    FormRenderer* renderer_;
    // Picture boxes before the controls they contain.
    std::vector<std::unique_ptr<ControlView>> views_;
    std::unordered_map<const rt::Control*, ControlView*> viewByControl_;
    FormLook applied_;
    bool synced_ = false;
    QImage surface_;
    std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace rtqt
