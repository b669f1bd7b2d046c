#pragma once
// The widgets that stand for controls. They know nothing of forms: they report
// clicks and drops through callbacks, and the control view keeps them in step
// with the control's data.

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "runtime/qt/control_mime.h"

namespace rtqt {

// A drag of the program's own controls ends on the topmost control under the
// mouse; it is taken only where that control has a drop handler, and never
// passed on to the control behind or around it. Other drags are not ours.
void answerControlDrag(QDragMoveEvent* event, bool takesDrops);
std::optional<ControlRef> acceptControlDrop(QDropEvent* event, bool takesDrops);

template <class Base>
class DropTarget : public Base {
  public:
    using Base::Base;
    // Asked at every drag step, since a handler may be set or cleared at any time.
    std::function<bool()> takesDrops;
    std::function<void(const ControlRef& source)> dropped;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override { answerControlDrag(event, wants()); }
    void dragMoveEvent(QDragMoveEvent* event) override { answerControlDrag(event, wants()); }
    void dropEvent(QDropEvent* event) override {
        if (auto source = acceptControlDrop(event, wants()); source && dropped)
            dropped(*source);
    }

  private:
    bool wants() const { return takesDrops && takesDrops(); }
};

// A click is a left press and release over the same control.
template <class Base>
class Clickable : public DropTarget<Base> {
  public:
    using DropTarget<Base>::DropTarget;
    std::function<void()> clicked;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressed_ = event->button() == Qt::LeftButton;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           this->rect().contains(event->position().toPoint());
        pressed_ = false;
        event->accept();
        if (click && clicked)
            clicked();
    }

  private:
    bool pressed_ = false;
};

class LabelWidget : public Clickable<QLabel> {
  public:
    explicit LabelWidget(QWidget* parent);
    void setFramed(bool framed);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool framed_ = false;
};

class PictureBoxWidget : public Clickable<QWidget> {
  public:
    explicit PictureBoxWidget(QWidget* parent);
    void setBackColour(const QColor& colour);
    void setIcon(const QPixmap& icon);
    void setFramed(bool framed);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor back_;
    QPixmap icon_;
    bool framed_ = false;
};

// Shapes and lines are drawings: the mouse and drops go through them.
class ShapeWidget : public QWidget {
  public:
    explicit ShapeWidget(QWidget* parent);
    // The border lies inside the shape's box, width pixels wide.
    void setLook(const QColor& fill, const QColor& border, bool filled, int width);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_, border_;
    bool filled_ = true;
    int width_ = 1;
};

class LineWidget : public QWidget {
  public:
    explicit LineWidget(QWidget* parent);
    // End points in the parent's pixels; the widget covers the line and its width.
    void setLine(QPoint from, QPoint to, int width, const QColor& colour);
    static QRect boundsOf(QPoint from, QPoint to, int width);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPoint from_, to_;
    int width_ = 1;
    QColor colour_;
};

// A command button never takes the keyboard focus, so the space bar reaches the
// window instead of clicking it. A button that drags on press starts a drag as
// soon as it is pressed and then never raises a click.
class CommandButtonWidget : public DropTarget<QPushButton> {
  public:
    explicit CommandButtonWidget(QWidget* parent);
    void setDragOnPress(bool on);
    bool dragOnPress() const { return dragOnPress_; }
    // What a drag from this button carries; null starts no drag.
    std::function<std::unique_ptr<QMimeData>()> dragData;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void startDrag(QPoint hotSpot);
    bool dragOnPress_ = false;
};

using ListBoxWidget = DropTarget<QListWidget>;
using CheckBoxWidget = DropTarget<QCheckBox>;
using ScrollBarWidget = DropTarget<QScrollBar>;

}  // namespace rtqt
