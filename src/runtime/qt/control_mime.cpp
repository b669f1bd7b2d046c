#include "runtime/qt/control_mime.h"

#include <QCoreApplication>
#include <QList>

namespace rtqt {

namespace {

// Process id, form name and control name, one to a line.
QByteArray encode(qint64 processId, const ControlRef& ref) {
    return QByteArray::number(processId) + '\n' + QByteArray::fromStdString(ref.form) + '\n' +
           QByteArray::fromStdString(ref.control);
}

}  // namespace

std::unique_ptr<QMimeData> makeControlMimeData(const ControlRef& source) {
    auto data = std::make_unique<QMimeData>();
    data->setData(kControlMimeType, encode(QCoreApplication::applicationPid(), source));
    return data;
}

std::optional<ControlRef> controlRefOf(const QMimeData* data) {
    if (!data || !data->hasFormat(kControlMimeType))
        return std::nullopt;
    const QList<QByteArray> parts = data->data(kControlMimeType).split('\n');
    if (parts.size() != 3)
        return std::nullopt;
    bool isNumber = false;
    const qint64 processId = parts[0].toLongLong(&isNumber);
    if (!isNumber || processId != QCoreApplication::applicationPid())
        return std::nullopt;
    if (parts[1].isEmpty() || parts[2].isEmpty())
        return std::nullopt;
    return ControlRef{parts[1].toStdString(), parts[2].toStdString()};
}

}  // namespace rtqt
