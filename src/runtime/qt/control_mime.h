#pragma once
// What a dragged command button carries: a private MIME type naming the source
// control, valid only inside this run of the program, so text, files or a drag
// from a second copy of the program are never taken for a control.

#include <QMimeData>
#include <memory>
#include <optional>
#include <string>

namespace rtqt {

inline constexpr char kControlMimeType[] = "application/x-minuskolonne-control";

struct ControlRef {
    std::string form;
    std::string control;
    bool operator==(const ControlRef&) const = default;
};

std::unique_ptr<QMimeData> makeControlMimeData(const ControlRef& source);
// The source control of a drag started in this process, or nothing.
std::optional<ControlRef> controlRefOf(const QMimeData* data);

}  // namespace rtqt
