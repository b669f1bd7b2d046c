#include "runtime/qt/form_renderer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "runtime/qt/accessible_roles.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/key_codes.h"
#include "runtime/qt/own_look.h"

namespace rtqt {

namespace {

// A form sees every key before its controls do, with the key codes the windows
// expect; the control with the focus still gets the key afterwards.
class KeyPreview : public QObject {
  public:
    explicit KeyPreview(FormRenderer& renderer) : renderer_(renderer) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        auto* window = dynamic_cast<FormWindow*>(widget->window());
        if (!window || window->retired() || renderer_.windowOf(window->form()) != window)
            return false;
        // A key the focused control passes on reaches its parents too; the form
        // sees it once, on its first delivery.
        QWidget* firstReceiver = window->focusWidget() ? window->focusWidget() : window;
        if (widget != firstReceiver)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // A key held down answers once: a child leaning on a wrong digit gets one
        // error box, not a new one for every repeat that follows its closing.
        if (key->isAutoRepeat())
            return false;
        if (auto code = keyCodeFor(key->key(), key->modifiers())) {
            rt::Form& form = window->form();
            renderer_.dispatch([&form, code] { form.Form_KeyDown(*code); });
        }
        return false;
    }

  private:
    FormRenderer& renderer_;
};

}  // namespace

FormRenderer::FormRenderer() : keyPreview_(std::make_unique<KeyPreview>(*this)) {
    useOwnLook();
    announceRenderedRoles();
    qApp->installEventFilter(keyPreview_.get());
}

FormRenderer::~FormRenderer() {
    qApp->removeEventFilter(keyPreview_.get());
    for (FormWindow* window : windows_) delete window;
    for (const QPointer<FormWindow>& window : retired_) delete window.data();
}

FormWindow& FormRenderer::load(rt::Form& form) {
    if (FormWindow* existing = windowOf(form))
        return *existing;
    auto* window = new FormWindow(form, *this);
    windows_.push_back(window);
    dispatch([&form] { form.Form_Load(); });
    return *window;
}

FormWindow* FormRenderer::windowOf(const rt::Form& form) const {
    for (FormWindow* window : windows_) {
        if (&window->form() == &form)
            return window;
    }
    return nullptr;
}

void FormRenderer::show(rt::Form& form) {
    FormWindow& window = load(form);
    // Activated before it appears, so that its first frame already shows what
    // the activation puts there, at the place it chooses.
    if (activeForm_ != &form)
        activate(form);
    if (!owns(&window))
        return;
    if (window.isMinimized())
        window.showNormal();
    if (window.isVisible()) {
        window.raise();
    } else {
        window.show();
    }
    window.activateWindow();
}

void FormRenderer::hide(rt::Form& form) {
    load(form).hide();
}

void FormRenderer::unload(rt::Form& form) {
    FormWindow* window = windowOf(form);
    if (!window)
        return;
    bool cancel = false;
    dispatch([&form, &cancel] { form.Form_Unload(cancel); });
    if (!cancel && owns(window))
        destroy(*window);
}

void FormRenderer::hideAll() {
    for (FormWindow* window : windows_) window->hide();
}

void FormRenderer::dispatch(const std::function<void()>& handler) {
    handler();
    syncAll();
}

void FormRenderer::syncAll() {
    // A sync never runs a handler, but a copy keeps the loop safe all the same.
    const std::vector<FormWindow*> windows = windows_;
    for (FormWindow* window : windows) window->sync();
}

QWidget* FormRenderer::dialogParent() const {
    if (activeForm_) {
        FormWindow* window = windowOf(*activeForm_);
        if (window && window->isVisible())
            return window;
    }
    return QApplication::activeWindow();
}

void FormRenderer::windowActivated(FormWindow& window) {
    // Back from a message box or from another program: the same form is still
    // the program's active one, and nothing happens. An unloaded window that is
    // only waiting to be deleted activates nothing either.
    if (!owns(&window))
        return;
    frameOf(window);
    if (activeForm_ == &window.form())
        return;
    activate(window.form());
}

void FormRenderer::activate(rt::Form& form) {
    activeForm_ = &form;
    dispatch([&form] { form.Form_Activate(); });
}

void FormRenderer::closeRequested(FormWindow& window, QCloseEvent* event) {
    rt::Form& form = window.form();
    bool cancel = false;
    dispatch([&form, &cancel] { form.Form_Unload(cancel); });
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    if (owns(&window))
        destroy(window);
}

void FormRenderer::deferDrop(FormWindow& window, rt::Control& target, const ControlRef& source) {
    QTimer::singleShot(0, &window, [this, &window, &target, source] {
        if (!owns(&window))
            return;
        const rt::Control* from = findControl(source);
        auto handler = target.onDragDrop;
        if (!from || !handler)
            return;
        dispatch([&handler, from] { handler(*from); });
    });
}

const rt::Control* FormRenderer::findControl(const ControlRef& ref) const {
    for (FormWindow* window : windows_) {
        if (window->form().name == ref.form)
            return window->form().findControl(ref.control);
    }
    return nullptr;
}

QWidget* FormRenderer::widgetOf(const rt::Control& control) const {
    for (FormWindow* window : windows_) {
        if (QWidget* widget = window->widgetOf(control))
            return widget;
    }
    return nullptr;
}

QMargins FormRenderer::frameOf(FormWindow& window) {
    if (window.isVisible()) {
        const QRect outer = window.frameGeometry();
        const QRect inner = window.geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (!frame.isNull())
            knownFrame_ = frame;
        return frame;
    }
    // Made now rather than on its first show, so that the window system can
    // tell the frame it will have.
    window.winId();
    const QMargins frame =
        window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    return frame.isNull() ? knownFrame_ : frame;
}

void FormRenderer::destroy(FormWindow& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
    rt::Form& form = window.form();
    if (activeForm_ == &form)
        activeForm_ = nullptr;
    window.retire();
    retired_.erase(std::remove_if(retired_.begin(), retired_.end(),
                                  [](const QPointer<FormWindow>& gone) { return gone.isNull(); }),
                   retired_.end());
    retired_.emplace_back(&window);
    // Not at once: the window may be inside one of its own event handlers.
    window.deleteLater();
    if (auto forget = form.whenUnloaded)
        forget();
}

bool FormRenderer::owns(const FormWindow* window) const {
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

}  // namespace rtqt
