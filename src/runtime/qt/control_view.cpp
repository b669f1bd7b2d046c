#include "runtime/qt/control_view.h"

#include <QApplication>
#include <QSignalBlocker>

#include "runtime/qt/control_widgets.h"
#include "runtime/qt/form_renderer.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/icons.h"
#include "runtime/qt/qt_conversions.h"

namespace rtqt {

namespace {

QRect pixelsOf(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

void readFont(const rt::Font& font, ControlLook& look) {
    look.fontName = font.name;
    look.fontSize = font.size;
    look.bold = font.bold;
    look.italic = font.italic;
    look.underline = font.underline;
}

rt::Font fontOf(const ControlLook& look) {
    return rt::Font{look.fontName, look.fontSize, look.bold, look.italic, look.underline};
}

Qt::Alignment alignmentOf(rt::Align align) {
    switch (align) {
        case rt::Align::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case rt::Align::Centre:
            return Qt::AlignHCenter | Qt::AlignTop;
        case rt::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void setColours(QWidget* widget, QPalette::ColorRole backRole, rt::Colour back,
                QPalette::ColorRole foreRole, rt::Colour fore) {
    QPalette palette = widget->palette();
    palette.setColor(backRole, toQColor(back));
    palette.setColor(foreRole, toQColor(fore));
    widget->setPalette(palette);
}

// A screen reader reads the lines of a text as one sentence; a carriage return
// would be spoken as a sign or run two words together.
QString spokenText(const std::string& text) {
    QString spoken = toQString(text);
    spoken.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    spoken.replace(QLatin1Char('\r'), QLatin1Char(' '));
    spoken.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return spoken;
}

}  // namespace

ControlView::ControlView(rt::Control& control, FormWindow& window, FormRenderer& renderer)
    : control_(control), window_(window), renderer_(renderer) {
    if (control_.kind == rt::Kind::Timer) {
        timer_ = new QTimer(&window_);
        QObject::connect(timer_, &QTimer::timeout, [this] { tick(); });
    }
}

ControlLook ControlView::read() const {
    ControlLook look;
    const rt::Control& c = control_;
    look.geometry = pixelsOf(c.left, c.top, c.width, c.height);
    look.enabled = c.enabled;
    look.description = c.description;
    switch (c.kind) {
        case rt::Kind::Label: {
            const auto& label = static_cast<const rt::Label&>(c);
            look.text = label.caption;
            look.fore = label.foreColor;
            look.back = label.backColor;
            readFont(label.font, look);
            look.align = label.alignment;
            look.framed = label.border;
            break;
        }
        case rt::Kind::CommandButton: {
            const auto& button = static_cast<const rt::CommandButton&>(c);
            look.text = button.caption;
            readFont(button.font, look);
            look.dragOnPress = button.dragOnPress;
            break;
        }
        case rt::Kind::PictureBox: {
            const auto& picture = static_cast<const rt::PictureBox&>(c);
            look.back = picture.backColor;
            look.icon = picture.icon;
            look.framed = picture.border;
            break;
        }
        case rt::Kind::ListBox: {
            const auto& list = static_cast<const rt::ListBox&>(c);
            look.lines = list.lines;
            look.fore = list.foreColor;
            look.back = list.backColor;
            readFont(list.font, look);
            break;
        }
        case rt::Kind::CheckBox: {
            const auto& check = static_cast<const rt::CheckBox&>(c);
            look.text = check.caption;
            look.value = check.value;
            look.fore = check.foreColor;
            look.back = check.backColor;
            readFont(check.font, look);
            break;
        }
        case rt::Kind::ScrollBar: {
            const auto& bar = static_cast<const rt::ScrollBar&>(c);
            look.value = bar.value;
            look.minimum = bar.min;
            look.maximum = bar.max;
            look.smallStep = bar.smallChange;
            look.largeStep = bar.largeChange;
            break;
        }
        case rt::Kind::Shape: {
            const auto& shape = static_cast<const rt::Shape&>(c);
            look.fill = shape.fillColor;
            look.border = shape.borderColor;
            look.filled = shape.filled;
            look.lineWidth = shape.borderWidth;
            break;
        }
        case rt::Kind::Line: {
            const auto& line = static_cast<const rt::Line&>(c);
            look.from = QPoint(twipsToPixels(line.x1), twipsToPixels(line.y1));
            look.to = QPoint(twipsToPixels(line.x2), twipsToPixels(line.y2));
            look.lineWidth = line.borderWidth;
            look.border = line.borderColor;
            look.geometry = LineWidget::boundsOf(look.from, look.to, line.borderWidth);
            break;
        }
        case rt::Kind::Timer: {
            const auto& timer = static_cast<const rt::Timer&>(c);
            look.ticking = timer.enabled && timer.interval > 0;
            look.interval = timer.interval;
            return look;
        }
    }
    if (!c.accessibleName.empty())
        look.accessibleName = c.accessibleName;
    else if (!look.text.empty())
        look.accessibleName = look.text;
    else
        look.accessibleName = c.blankName;
    // Out of sight: hidden, or wholly outside its window or picture box.
    look.inSight = c.visible && look.geometry.intersects(window_.areaOf(c.container));
    return look;
}

void ControlView::sync() {
    const ControlLook look = read();
    if (timer_) {
        applyTimer(look, !synced_);
        applied_ = look;
        synced_ = true;
        return;
    }
    if (!widget_) {
        QWidget* parent = window_.parentFor(control_);
        if (!look.inSight || !parent)
            return;
        widget_ = make();
        window_.placeInStack(*this);
        apply(look, true);
    } else {
        apply(look, false);
    }
    applied_ = look;
    synced_ = true;
}

QWidget* ControlView::make() {
    QWidget* parent = window_.parentFor(control_);
    rt::Control& c = control_;
    auto takesDrops = [this, &c] { return live() && static_cast<bool>(c.onDragDrop); };
    auto dropped = [this](const ControlRef& source) {
        if (live())
            renderer_.deferDrop(window_, control_, source);
    };
    switch (c.kind) {
        case rt::Kind::Label: {
            auto* label = new LabelWidget(parent);
            label->clicked = [this] { click(); };
            label->takesDrops = takesDrops;
            label->dropped = dropped;
            return label;
        }
        case rt::Kind::PictureBox: {
            auto* picture = new PictureBoxWidget(parent);
            picture->clicked = [this] { click(); };
            picture->takesDrops = takesDrops;
            picture->dropped = dropped;
            return picture;
        }
        case rt::Kind::CommandButton: {
            auto* button = new CommandButtonWidget(parent);
            button->takesDrops = takesDrops;
            button->dropped = dropped;
            button->dragData = [this]() -> std::unique_ptr<QMimeData> {
                if (!live())
                    return nullptr;
                return makeControlMimeData({window_.form().name, control_.name});
            };
            QObject::connect(button, &QPushButton::clicked, [this] { click(); });
            return button;
        }
        case rt::Kind::ListBox: {
            auto* list = new ListBoxWidget(parent);
            list->takesDrops = takesDrops;
            list->dropped = dropped;
            list->setAcceptDrops(true);
            // Like a classic list box: lines that run past the edge are cut, not scrolled.
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setTextElideMode(Qt::ElideNone);
            // The style draws the frame half transparent at a high pixel ratio;
            // filled first, the list hides the controls it lies over to the edge.
            list->setAutoFillBackground(true);
            list->viewport()->setAcceptDrops(true);
            QObject::connect(list, &QListWidget::itemClicked, [this] { click(); });
            return list;
        }
        case rt::Kind::CheckBox: {
            auto* check = new CheckBoxWidget(parent);
            check->takesDrops = takesDrops;
            check->dropped = dropped;
            check->setAcceptDrops(true);
            check->setAutoFillBackground(true);
            // A button's background is its button colour; a check box shows its own.
            check->setBackgroundRole(QPalette::Window);
            QObject::connect(check, &QCheckBox::clicked, [this](bool ticked) {
                if (!live())
                    return;
                // The box shows the user's change already; what was last shown follows it,
                // so that the program setting the old value back is drawn.
                const int value = ticked ? 1 : 0;
                static_cast<rt::CheckBox&>(control_).value = value;
                applied_.value = value;
                click();
            });
            return check;
        }
        case rt::Kind::ScrollBar: {
            auto* bar =
                new ScrollBarWidget(c.width >= c.height ? Qt::Horizontal : Qt::Vertical, parent);
            bar->takesDrops = takesDrops;
            bar->dropped = dropped;
            bar->setAcceptDrops(true);
            auto& data = static_cast<rt::ScrollBar&>(control_);
            QObject::connect(bar, &QScrollBar::valueChanged, [this, bar, &data](int value) {
                if (!live())
                    return;
                data.value = value;
                applied_.value = value;
                // While the thumb is dragged the bar scrolls; it changes when let go.
                auto handler = bar->isSliderDown() ? data.onScroll : data.onChange;
                if (handler)
                    renderer_.dispatch(handler);
            });
            QObject::connect(bar, &QScrollBar::sliderReleased, [this, &data] {
                if (!live())
                    return;
                if (auto handler = data.onChange)
                    renderer_.dispatch(handler);
            });
            return bar;
        }
        case rt::Kind::Shape:
            return new ShapeWidget(parent);
        case rt::Kind::Line:
            return new LineWidget(parent);
        case rt::Kind::Timer:
            break;
    }
    return nullptr;
}

void ControlView::apply(const ControlLook& look, bool first) {
    auto changed = [&](auto member) { return first || applied_.*member != look.*member; };
    QWidget* w = widget_;
    const bool fontChanged = changed(&ControlLook::fontName) || changed(&ControlLook::fontSize) ||
                             changed(&ControlLook::bold) || changed(&ControlLook::italic) ||
                             changed(&ControlLook::underline);

    if (changed(&ControlLook::geometry) && control_.kind != rt::Kind::Line) {
        w->setGeometry(look.geometry);
    }
    if (changed(&ControlLook::enabled))
        w->setEnabled(look.enabled);
    if (changed(&ControlLook::accessibleName))
        w->setAccessibleName(spokenText(look.accessibleName));
    if (changed(&ControlLook::description))
        w->setAccessibleDescription(toQString(look.description));

    switch (control_.kind) {
        case rt::Kind::Label: {
            auto* label = static_cast<LabelWidget*>(w);
            if (changed(&ControlLook::text))
                label->setText(toQString(look.text));
            if (changed(&ControlLook::fore) || changed(&ControlLook::back)) {
                setColours(label, QPalette::Window, look.back, QPalette::WindowText, look.fore);
            }
            if (fontChanged)
                label->setFont(toQFont(fontOf(look)));
            if (changed(&ControlLook::align))
                label->setAlignment(alignmentOf(look.align));
            if (changed(&ControlLook::framed))
                label->setFramed(look.framed);
            break;
        }
        case rt::Kind::CommandButton: {
            auto* button = static_cast<CommandButtonWidget*>(w);
            if (changed(&ControlLook::text))
                button->setText(toQString(look.text));
            if (fontChanged)
                button->setFont(toQFont(fontOf(look)));
            if (changed(&ControlLook::dragOnPress))
                button->setDragOnPress(look.dragOnPress);
            break;
        }
        case rt::Kind::PictureBox: {
            auto* picture = static_cast<PictureBoxWidget*>(w);
            if (changed(&ControlLook::back))
                picture->setBackColour(toQColor(look.back));
            if (changed(&ControlLook::icon)) {
                picture->setIcon(look.icon.empty()
                                     ? QPixmap()
                                     : iconPixmap(look.icon, picture->devicePixelRatioF()));
            }
            if (changed(&ControlLook::framed))
                picture->setFramed(look.framed);
            break;
        }
        case rt::Kind::ListBox: {
            auto* list = static_cast<ListBoxWidget*>(w);
            if (changed(&ControlLook::lines)) {
                list->clear();
                for (const std::string& line : look.lines) list->addItem(toQString(line));
            }
            if (changed(&ControlLook::fore) || changed(&ControlLook::back)) {
                setColours(list, QPalette::Base, look.back, QPalette::Text, look.fore);
            }
            if (fontChanged)
                list->setFont(toQFont(fontOf(look)));
            break;
        }
        case rt::Kind::CheckBox: {
            auto* check = static_cast<CheckBoxWidget*>(w);
            if (changed(&ControlLook::text))
                check->setText(toQString(look.text));
            if (changed(&ControlLook::value)) {
                const QSignalBlocker quiet(check);
                check->setChecked(look.value == 1);
            }
            if (changed(&ControlLook::fore) || changed(&ControlLook::back)) {
                setColours(check, QPalette::Window, look.back, QPalette::WindowText, look.fore);
            }
            if (fontChanged)
                check->setFont(toQFont(fontOf(look)));
            break;
        }
        case rt::Kind::ScrollBar: {
            auto* bar = static_cast<ScrollBarWidget*>(w);
            const QSignalBlocker quiet(bar);
            if (changed(&ControlLook::minimum) || changed(&ControlLook::maximum)) {
                bar->setRange(look.minimum, look.maximum);
            }
            if (changed(&ControlLook::smallStep))
                bar->setSingleStep(look.smallStep);
            if (changed(&ControlLook::largeStep))
                bar->setPageStep(look.largeStep);
            if (changed(&ControlLook::value))
                bar->setValue(look.value);
            break;
        }
        case rt::Kind::Shape: {
            if (changed(&ControlLook::fill) || changed(&ControlLook::border) ||
                changed(&ControlLook::filled) || changed(&ControlLook::lineWidth)) {
                static_cast<ShapeWidget*>(w)->setLook(toQColor(look.fill), toQColor(look.border),
                                                      look.filled, look.lineWidth);
            }
            break;
        }
        case rt::Kind::Line: {
            if (changed(&ControlLook::from) || changed(&ControlLook::to) ||
                changed(&ControlLook::lineWidth) || changed(&ControlLook::border)) {
                static_cast<LineWidget*>(w)->setLine(look.from, look.to, look.lineWidth,
                                                     toQColor(look.border));
            }
            break;
        }
        case rt::Kind::Timer:
            break;
    }
    // Last, so that a control coming into sight appears complete.
    if (changed(&ControlLook::inSight))
        w->setVisible(look.inSight);
}

void ControlView::applyTimer(const ControlLook& look, bool first) {
    const bool intervalChanged = first || applied_.interval != look.interval;
    if (intervalChanged && look.interval > 0)
        timer_->setInterval(look.interval);
    if (!look.ticking) {
        timer_->stop();
    } else if (first || !applied_.ticking) {
        timer_->start();
    }
}

void ControlView::retire() {
    if (timer_)
        timer_->stop();
}

bool ControlView::live() const {
    return !window_.retired();
}

void ControlView::click() {
    if (!live())
        return;
    if (auto handler = control_.onClick)
        renderer_.dispatch(handler);
}

void ControlView::tick() {
    // A modal box holds the program: its window must not change underneath it.
    if (QApplication::activeModalWidget() || !live())
        return;
    if (auto handler = static_cast<rt::Timer&>(control_).onTimer)
        renderer_.dispatch(handler);
}

}  // namespace rtqt
