#include "runtime/qt/qt_windows.h"

#include <QApplication>
#include <QScreen>

#include "runtime/qt/form_renderer.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_canvas.h"
#include "runtime/qt/qt_conversions.h"

namespace rtqt {

namespace {

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

}  // namespace

int QtWindows::screenWidth() const {
    return pixelsToTwips(screenSize().width());
}

int QtWindows::screenHeight() const {
    return pixelsToTwips(screenSize().height());
}

int QtWindows::outerWidth(const rt::Form& form) const {
    FormWindow* window = renderer_.windowOf(form);
    if (!window)
        return form.width;
    const QMargins frame = renderer_.frameOf(*window);
    return pixelsToTwips(window->width() + frame.left() + frame.right());
}

int QtWindows::outerHeight(const rt::Form& form) const {
    FormWindow* window = renderer_.windowOf(form);
    if (!window)
        return form.height;
    const QMargins frame = renderer_.frameOf(*window);
    return pixelsToTwips(window->height() + frame.top() + frame.bottom());
}

void QtWindows::show(rt::Form& form) {
    renderer_.show(form);
}

void QtWindows::hide(rt::Form& form) {
    renderer_.hide(form);
}

void QtWindows::unload(rt::Form& form) {
    renderer_.unload(form);
}

void QtWindows::setFocus(rt::Control& control) {
    // The control's window has made its widget by now if it is in sight.
    renderer_.syncAll();
    if (QWidget* widget = renderer_.widgetOf(control))
        widget->setFocus(Qt::OtherFocusReason);
}

rt::Canvas& QtWindows::canvas(rt::Form& form) {
    return renderer_.load(form).canvas();
}

void QtWindows::quit() {
    renderer_.hideAll();
    // Not quit(): that asks every window to close first, and a window that
    // refuses (one that asks before it closes) would keep the program alive.
    QCoreApplication::exit(0);
}

}  // namespace rtqt
