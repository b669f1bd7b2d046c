#include "runtime/qt/qt_dialogs.h"

#include <QInputDialog>
#include <QPushButton>
#include <QScreen>

#include "runtime/qt/form_renderer.h"
#include "runtime/qt/own_look.h"
#include "runtime/qt/qt_conversions.h"

namespace rtqt {

namespace {

QMessageBox::Icon iconOf(rt::Icon icon) {
    switch (icon) {
        case rt::Icon::Critical:
            return QMessageBox::Critical;
        case rt::Icon::Question:
            return QMessageBox::Question;
        case rt::Icon::Exclamation:
            return QMessageBox::Warning;
        case rt::Icon::Information:
            return QMessageBox::Information;
        case rt::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const rt::MessageBox& box, QWidget* parent) {
    auto shown = std::make_unique<QMessageBox>(parent);
    giveOwnPalette(*shown);
    shown->setWindowTitle(toQString(box.title));
    shown->setTextFormat(Qt::PlainText);
    shown->setText(withLineBreaks(box.prompt));
    shown->setIcon(iconOf(box.icon));
    // Read out as a whole when the box opens: its title, then its text.
    shown->setAccessibleName(toQString(box.title));
    shown->setAccessibleDescription(withLineBreaks(box.prompt).trimmed());
    if (box.buttons == rt::Buttons::YesNo) {
        QPushButton* yes = shown->addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton* no = shown->addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        shown->setDefaultButton(box.defaultNo ? no : yes);
        shown->setEscapeButton(no);
    } else {
        QPushButton* ok = shown->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        shown->setDefaultButton(ok);
        shown->setEscapeButton(ok);
    }
    return shown;
}

std::optional<QPoint> placeBelow(const QRect& window, const QSize& box, const QRect& screen) {
    constexpr int kGap = 8;
    const QPoint at(window.center().x() - box.width() / 2, window.bottom() + 1 + kGap);
    const QRect placed(at, box);
    if (!screen.contains(placed))
        return std::nullopt;
    return at;
}

rt::Answer answerOf(QMessageBox& shown, const rt::MessageBox& box) {
    if (box.buttons == rt::Buttons::Ok)
        return rt::Answer::Ok;
    QAbstractButton* clicked = shown.clickedButton();
    const bool yes = clicked && shown.buttonRole(clicked) == QMessageBox::YesRole;
    return yes ? rt::Answer::Yes : rt::Answer::No;
}

rt::Answer QtDialogs::msgBox(const rt::MessageBox& box) {
    renderer_.syncAll();
    QWidget* parent = renderer_.dialogParent();
    auto shown = makeMessageBox(box, parent);
    if (parent && parent->screen()) {
        const auto at = placeBelow(parent->frameGeometry(), shown->sizeHint(),
                                   parent->screen()->availableGeometry());
        if (at)
            shown->move(*at);
    }
    shown->exec();
    return answerOf(*shown, box);
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                const std::string& preset) {
    renderer_.syncAll();
    QInputDialog dialog(renderer_.dialogParent());
    giveOwnPalette(dialog);
    dialog.setWindowTitle(toQString(title));
    dialog.setLabelText(withLineBreaks(prompt));
    dialog.setTextValue(toQString(preset));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return "";
    return toStdString(dialog.textValue());
}

}  // namespace rtqt
