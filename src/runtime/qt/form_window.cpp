#include "runtime/qt/form_window.h"

#include <QCloseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <algorithm>

#include "runtime/qt/form_renderer.h"
#include "runtime/qt/icons.h"
#include "runtime/qt/own_look.h"
#include "runtime/qt/qt_canvas.h"
#include "runtime/qt/qt_conversions.h"

namespace rtqt {

namespace {

int nestingDepth(const rt::Control& control) {
    int depth = 0;
    for (const rt::Control* c = control.container; c; c = c->container) ++depth;
    return depth;
}

Qt::WindowFlags flagsFor(rt::BorderStyle border) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (border != rt::BorderStyle::Dialog)
        flags |= Qt::WindowMinimizeButtonHint;
    if (border == rt::BorderStyle::Sizable)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

}  // namespace

FormWindow::FormWindow(rt::Form& form, FormRenderer& renderer)
    : QWidget(nullptr, flagsFor(form.borderStyle)), form_(&form), renderer_(&renderer) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    giveOwnPalette(*this);
    std::vector<rt::Control*> controls = form.controls();
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        auto view = std::make_unique<ControlView>(*controls[i], *this, renderer);
        view->setIndex(i);
        viewByControl_[controls[i]] = view.get();
        views_.push_back(std::move(view));
    }
    std::stable_sort(views_.begin(), views_.end(), [](const auto& a, const auto& b) {
        return nestingDepth(a->control()) < nestingDepth(b->control());
    });
    canvas_ = std::make_unique<QtCanvas>(*this);
    // Ready before the form's load, which may already draw.
    resizeSurface(QSize(twipsToPixels(form.width), twipsToPixels(form.height)));
}

FormWindow::~FormWindow() = default;

void FormWindow::retire() {
    hide();
    setEnabled(false);
    for (const auto& view : views_) view->retire();
    form_ = nullptr;
    renderer_ = nullptr;
}

void FormWindow::sync() {
    if (retired())
        return;
    applyForm(!synced_);
    synced_ = true;
    for (const auto& view : views_) view->sync();
}

void FormWindow::applyForm(bool first) {
    const rt::Form& f = *form_;
    const FormLook look{f.caption, f.left,      f.top,  f.width,
                        f.height,  f.backColor, f.icon, f.borderStyle};
    auto changed = [&](auto member) { return first || applied_.*member != look.*member; };

    if (changed(&FormLook::caption))
        setWindowTitle(toQString(look.caption));
    if (changed(&FormLook::border)) {
        const bool shown = isVisible();
        setWindowFlags(flagsFor(look.border));
        if (shown)
            show();
    }
    if (changed(&FormLook::width) || changed(&FormLook::height) || changed(&FormLook::border)) {
        const QSize size(twipsToPixels(look.width), twipsToPixels(look.height));
        if (look.border != rt::BorderStyle::Sizable) {
            setFixedSize(size);
        } else {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            resize(size);
        }
        resizeSurface(size);
    }
    if (changed(&FormLook::left) || changed(&FormLook::top)) {
        move(twipsToPixels(look.left), twipsToPixels(look.top));
    }
    if (changed(&FormLook::back))
        update();
    if (changed(&FormLook::icon))
        setWindowIcon(rtqt::windowIcon(look.icon));
    applied_ = look;
}

void FormWindow::resizeSurface(QSize size) {
    const qreal ratio = devicePixelRatioF();
    QImage grown(size * ratio, QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(ratio);
    grown.fill(Qt::transparent);
    if (!surface_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, surface_);
    }
    surface_ = std::move(grown);
}

QWidget* FormWindow::widgetOf(const rt::Control& control) const {
    auto found = viewByControl_.find(&control);
    return found == viewByControl_.end() ? nullptr : found->second->widget();
}

QWidget* FormWindow::parentFor(const rt::Control& control) const {
    if (!control.container)
        return const_cast<FormWindow*>(this);
    return widgetOf(*control.container);
}

QRect FormWindow::areaOf(const rt::Control* container) const {
    if (!container)
        return QRect(0, 0, twipsToPixels(form_->width), twipsToPixels(form_->height));
    return QRect(0, 0, twipsToPixels(container->width), twipsToPixels(container->height));
}

void FormWindow::placeInStack(const ControlView& view) {
    // The nearest sibling that stands in front of this control and already has
    // a widget; with none, the new widget goes to the front.
    const ControlView* above = nullptr;
    for (const auto& other : views_) {
        if (other.get() == &view || !other->widget())
            continue;
        if (other->control().container != view.control().container)
            continue;
        if (other->stackRank() < view.stackRank())
            continue;
        if (!above || other->stackRank() < above->stackRank())
            above = other.get();
    }
    if (above) {
        view.widget()->stackUnder(above->widget());
    } else {
        view.widget()->raise();
    }
}

bool FormWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && renderer_)
        renderer_->windowActivated(*this);
    return handled;
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(),
                     form_ ? toQColor(form_->backColor) : palette().window().color());
    painter.drawImage(QPointF(0, 0), surface_);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (renderer_) {
        renderer_->closeRequested(*this, event);
    } else {
        event->accept();
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (retired())
        return;
    // The child may drag the window away; the form's position follows, but a
    // position written by the form keeps its exact twips.
    rt::Form& f = *form_;
    const QPoint at = pos();
    if (at.x() != twipsToPixels(f.left))
        f.left = pixelsToTwips(at.x());
    if (at.y() != twipsToPixels(f.top))
        f.top = pixelsToTwips(at.y());
    applied_.left = f.left;
    applied_.top = f.top;
}

}  // namespace rtqt
