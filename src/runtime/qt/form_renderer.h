#pragma once
// Renders any form as a window and carries the window's events back to the
// form's handlers. After every event it hands a form, and before a modal box
// opens, it brings every window in step with its form's data.

#include <QCloseEvent>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "runtime/form.h"
#include "runtime/qt/control_mime.h"

namespace rtqt {

class FormWindow;

class FormRenderer {
  public:
    FormRenderer();
    ~FormRenderer();
    FormRenderer(const FormRenderer&) = delete;
    FormRenderer& operator=(const FormRenderer&) = delete;

    // The window of a form; the first use makes it and runs the form's load.
    FormWindow& load(rt::Form& form);
    FormWindow* windowOf(const rt::Form& form) const;
    // Shows the form and makes it the program's active window, which is an
    // activation if another form (or none yet) was active.
    void show(rt::Form& form);
    void hide(rt::Form& form);
    // Asks the form (its unload may cancel) and then destroys its window.
    void unload(rt::Form& form);
    void hideAll();

    // Runs a handler of a form, then shows what it changed.
    void dispatch(const std::function<void()>& handler);
    void syncAll();

    // The form whose window was last the program's active window; message boxes
    // and other dialogs do not count.
    const rt::Form* activeForm() const { return activeForm_; }
    // The window a modal box should stand over.
    QWidget* dialogParent() const;

    // Events from the windows.
    void windowActivated(FormWindow& window);
    void closeRequested(FormWindow& window, QCloseEvent* event);
    // A drop is handled after the drag has finished, since the handler may open
    // a modal box.
    void deferDrop(FormWindow& window, rt::Control& target, const ControlRef& source);
    const rt::Control* findControl(const ControlRef& ref) const;
    // The widget showing a control of any loaded form, or null.
    QWidget* widgetOf(const rt::Control& control) const;
    // The frame the window system puts around a window, also before its first
    // show, so that a form placing itself on its first activation counts it.
    QMargins frameOf(FormWindow& window);

  private:
    void activate(rt::Form& form);
    void destroy(FormWindow& window);
    bool owns(const FormWindow* window) const;

    // The renderer owns every window until it is really gone: the loaded ones,
    // and the unloaded ones still waiting for their deletion (which go with the
    // renderer if the event loop never came round to them).
    std::vector<FormWindow*> windows_;
    std::vector<QPointer<FormWindow>> retired_;
    const rt::Form* activeForm_ = nullptr;
    // The last frame a shown window had: the best guess for a window whose frame
    // the window system will only tell once it is shown.
    QMargins knownFrame_;
    std::unique_ptr<QObject> keyPreview_;
};

}  // namespace rtqt
