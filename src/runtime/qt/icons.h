#pragma once
// The pictures of the forms are SVG resources built into the program
// (":/icons/<name>.svg"); each window keeps its own beside it. They are drawn at
// whatever pixel density the screen has.

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <string>

namespace rtqt {

// The resource path of an icon name ("window" -> ":/icons/window.svg").
QString iconPath(const std::string& name);
// A 32 x 32 picture at the given device pixel ratio; null for an unknown name.
QPixmap iconPixmap(const std::string& name, qreal devicePixelRatio);
QIcon windowIcon(const std::string& name);

}  // namespace rtqt
