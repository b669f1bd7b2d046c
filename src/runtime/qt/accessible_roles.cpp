#include "runtime/qt/accessible_roles.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "runtime/qt/control_widgets.h"
#include "runtime/qt/form_window.h"

namespace rtqt {

namespace {

// Both classes have no meta-object of their own, so Qt asks with "QWidget".
QAccessibleInterface* renderedRole(const QString& key, QObject* object) {
    if (key != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (dynamic_cast<FormWindow*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (dynamic_cast<PictureBoxWidget*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void announceRenderedRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(renderedRole);
        return true;
    }();
    (void)installed;
}

}  // namespace rtqt
