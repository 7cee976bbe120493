#include "games/kit/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace halvane::kit {

namespace {

// The table window, which is active when the host forwards a command.
QWidget* parentWindow() {
    return QApplication::activeWindow();
}

} // namespace

void WidgetDialogs::tell(const QString& text) {
    QMessageBox::information(parentWindow(), QApplication::applicationDisplayName(), text);
}

bool WidgetDialogs::ask(const QString& text) {
    return QMessageBox::question(parentWindow(), QApplication::applicationDisplayName(), text) ==
           QMessageBox::Yes;
}

bool WidgetDialogs::askToAbandon(const QString& text, bool& dontAskAgain) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, parentWindow());
    auto* check = new QCheckBox(QObject::tr("Don't ask again"));
    box.setCheckBox(check);
    const bool yes = box.exec() == QMessageBox::Yes;
    dontAskAgain = check->isChecked();
    return yes;
}

std::optional<std::uint32_t> WidgetDialogs::dealNumber(std::uint32_t current, std::uint32_t first,
                                                       std::uint32_t last) {
    bool ok = false;
    const int number =
        QInputDialog::getInt(parentWindow(), QObject::tr("Deal number"),
                             QObject::tr("Deal number (%1 to %2):").arg(first).arg(last),
                             int(current), int(first), int(last), 1, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return std::uint32_t(number);
}

bool WidgetDialogs::statistics(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QObject::tr("Statistics"), text, QMessageBox::Close,
                    parentWindow());
    QPushButton* reset = box.addButton(QObject::tr("&Reset"), QMessageBox::ResetRole);
    box.exec();
    return box.clickedButton() == reset;
}

bool WidgetDialogs::run(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

} // namespace halvane::kit
