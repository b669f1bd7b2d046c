#include "runtime/qt/qt_dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include "runtime/qt/form_renderer.h"
#include "runtime/qt/own_look.h"
#include "runtime/qt/qt_conversions.h"
#include "runtime/qt/quit_on_signals.h"

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

std::unique_ptr<QFileDialog> makeSaveDialog(const std::string& title,
                                            const std::string& proposedName,
                                            const std::string& fileType, QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent, toQString(title));
    giveOwnPalette(*dialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog, so that the German labels below are the ones shown.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    dialog->setDirectory(folder);
    dialog->selectFile(QDir(folder).filePath(toQString(proposedName)));
    if (!fileType.empty()) {
        dialog->setNameFilter(toQString(fileType));
        const QString suffix = QFileInfo(toQString(proposedName)).suffix();
        if (!suffix.isEmpty())
            dialog->setDefaultSuffix(suffix);
    }
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("Speichern in:"));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Speichern"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    return dialog;
}

rt::Answer answerOf(QMessageBox& shown, const rt::MessageBox& box) {
    if (box.buttons == rt::Buttons::Ok)
        return rt::Answer::Ok;
    QAbstractButton* clicked = shown.clickedButton();
    const bool yes = clicked && shown.buttonRole(clicked) == QMessageBox::YesRole;
    return yes ? rt::Answer::Yes : rt::Answer::No;
}

rt::Answer QtDialogs::msgBox(const rt::MessageBox& box) {
    // The program is ending: a box would only flash up, or hold the end up.
    if (programEnding())
        return box.buttons == rt::Buttons::Ok ? rt::Answer::Ok : rt::Answer::No;
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
    if (programEnding())
        return "";
    renderer_.syncAll();
    QInputDialog dialog(renderer_.dialogParent());
    giveOwnPalette(dialog);
    dialog.setWindowTitle(toQString(title));
    dialog.setLabelText(withLineBreaks(prompt));
    // Read out with its question, as a message box is with its text.
    dialog.setAccessibleName(toQString(title));
    dialog.setAccessibleDescription(withLineBreaks(prompt).trimmed());
    dialog.setTextValue(toQString(preset));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return "";
    return toStdString(dialog.textValue());
}

std::string QtDialogs::saveFileName(const std::string& title, const std::string& proposedName,
                                    const std::string& fileType) {
    if (programEnding())
        return "";
    renderer_.syncAll();
    auto dialog = makeSaveDialog(title, proposedName, fileType, renderer_.dialogParent());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return "";
    return toStdString(dialog->selectedFiles().constFirst());
}

}  // namespace rtqt
