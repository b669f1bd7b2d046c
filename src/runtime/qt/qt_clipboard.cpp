#include "runtime/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "runtime/qt/qt_conversions.h"

namespace rtqt {

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

}  // namespace rtqt
