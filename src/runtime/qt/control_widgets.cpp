#include "runtime/qt/control_widgets.h"

#include <QDrag>
#include <QPainter>
#include <QPointer>
#include <algorithm>

namespace rtqt {

void answerControlDrag(QDragMoveEvent* event, bool takesDrops) {
    if (!controlRefOf(event->mimeData())) {
        event->ignore();
        return;
    }
    if (takesDrops) {
        event->setDropAction(Qt::MoveAction);
    } else {
        // Taken, so that it does not fall through to the control behind, but
        // shown as refused.
        event->setDropAction(Qt::IgnoreAction);
    }
    event->accept();
}

std::optional<ControlRef> acceptControlDrop(QDropEvent* event, bool takesDrops) {
    auto source = controlRefOf(event->mimeData());
    if (!source) {
        event->ignore();
        return std::nullopt;
    }
    event->setDropAction(takesDrops ? Qt::MoveAction : Qt::IgnoreAction);
    event->accept();
    if (!takesDrops)
        return std::nullopt;
    return source;
}

LabelWidget::LabelWidget(QWidget* parent) : Clickable<QLabel>(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAutoFillBackground(true);
    setAcceptDrops(true);
}

void LabelWidget::setFramed(bool framed) {
    framed_ = framed;
    setContentsMargins(framed ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!framed_)
        return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

PictureBoxWidget::PictureBoxWidget(QWidget* parent) : Clickable<QWidget>(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
}

void PictureBoxWidget::setBackColour(const QColor& colour) {
    back_ = colour;
    update();
}

void PictureBoxWidget::setIcon(const QPixmap& icon) {
    icon_ = icon;
    update();
}

void PictureBoxWidget::setFramed(bool framed) {
    framed_ = framed;
    update();
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (!icon_.isNull())
        painter.drawPixmap(0, 0, icon_);
    if (framed_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setLook(const QColor& fill, const QColor& border, bool filled, int width) {
    fill_ = fill;
    border_ = border;
    filled_ = filled;
    width_ = std::max(1, width);
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (filled_)
        painter.fillRect(rect(), fill_);
    for (int i = 0; i < width_; ++i) {
        painter.setPen(border_);
        painter.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
    }
}

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect LineWidget::boundsOf(QPoint from, QPoint to, int width) {
    const int reach = std::max(1, width);
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())))
        .adjusted(-reach, -reach, reach, reach);
}

void LineWidget::setLine(QPoint from, QPoint to, int width, const QColor& colour) {
    from_ = from;
    to_ = to;
    width_ = std::max(1, width);
    colour_ = colour;
    setGeometry(boundsOf(from, to, width));
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Square ends, so that the four lines of a frame meet in closed corners.
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::SquareCap));
    painter.translate(-pos());
    painter.drawLine(from_, to_);
}

CommandButtonWidget::CommandButtonWidget(QWidget* parent) : DropTarget<QPushButton>(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    setAcceptDrops(true);
}

void CommandButtonWidget::setDragOnPress(bool on) {
    dragOnPress_ = on;
    if (on) {
        setCursor(Qt::SizeAllCursor);
    } else {
        unsetCursor();
    }
}

void CommandButtonWidget::mousePressEvent(QMouseEvent* event) {
    if (!dragOnPress_) {
        QPushButton::mousePressEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton)
        startDrag(event->position().toPoint());
}

void CommandButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!dragOnPress_) {
        QPushButton::mouseDoubleClickEvent(event);
        return;
    }
    mousePressEvent(event);
}

void CommandButtonWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!dragOnPress_) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    event->accept();
}

void CommandButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragOnPress_) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    event->accept();
}

void CommandButtonWidget::startDrag(QPoint hotSpot) {
    std::unique_ptr<QMimeData> data = dragData ? dragData() : nullptr;
    if (!data)
        return;
    QPointer<CommandButtonWidget> self(this);
    setDown(true);
    auto* drag = new QDrag(this);
    drag->setMimeData(data.release());
    drag->setPixmap(grab());
    drag->setHotSpot(hotSpot);
    drag->exec(Qt::MoveAction);
    // The nested drag loop swallows the release, so the button would stay down.
    if (self)
        self->setDown(false);
}

}  // namespace rtqt
