#include "runtime/qt/icons.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace rtqt {

namespace {

constexpr int kIconSize = 32;

// A square rendering of the picture, side pixels wide; null when it is unknown.
QPixmap render(const std::string& name, int side) {
    QSvgRenderer svg(iconPath(name));
    if (!svg.isValid())
        return {};
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter, QRectF(0, 0, side, side));
    return pixmap;
}

}  // namespace

QString iconPath(const std::string& name) {
    return QStringLiteral(":/icons/") + QString::fromStdString(name) + QStringLiteral(".svg");
}

QPixmap iconPixmap(const std::string& name, qreal devicePixelRatio) {
    static QHash<QString, QPixmap> cache;
    const QString key = QString::fromStdString(name) + '@' + QString::number(devicePixelRatio);
    if (auto found = cache.constFind(key); found != cache.constEnd())
        return *found;

    QPixmap pixmap = render(name, qRound(kIconSize * devicePixelRatio));
    if (!pixmap.isNull())
        pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon windowIcon(const std::string& name) {
    if (name.empty() || !QFile::exists(iconPath(name)))
        return {};
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64}) icon.addPixmap(render(name, side));
    return icon;
}

}  // namespace rtqt
