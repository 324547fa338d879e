// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace maprune {

namespace {

constexpr DialogButton kButtonOrder[] = { ButtonYes, ButtonNo, ButtonOk, ButtonCancel, ButtonAbort,
    ButtonRetry, ButtonIgnore, ButtonAll, ButtonNoToAll, ButtonYesToAll };

QMessageBox::ButtonRole Role(DialogButton button)
{
    switch (button) {
    case ButtonOk:
    case ButtonAll:
        return QMessageBox::AcceptRole;
    case ButtonYes:
    case ButtonYesToAll:
        return QMessageBox::YesRole;
    case ButtonNo:
    case ButtonNoToAll:
        return QMessageBox::NoRole;
    case ButtonCancel:
    case ButtonAbort:
        return QMessageBox::RejectRole;
    case ButtonRetry:
    case ButtonIgnore:
        return QMessageBox::ActionRole;
    }
    return QMessageBox::ActionRole;
}

QMessageBox::Icon Icon(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

DialogButton AnswerToClosing(DialogButtons buttons)
{
    for (DialogButton button : { ButtonCancel, ButtonNo, ButtonAbort }) {
        if (buttons & button)
            return button;
    }
    for (DialogButton button : kButtonOrder) {
        if (buttons & button)
            return button;
    }
    return ButtonOk;
}

} // namespace

QString QtDialogs::ButtonText(DialogButton button)
{
    switch (button) {
    case ButtonOk:
        return QStringLiteral("OK");
    case ButtonCancel:
        return QStringLiteral("Abbrechen");
    case ButtonYes:
        return QStringLiteral("&Ja");
    case ButtonNo:
        return QStringLiteral("&Nein");
    case ButtonAbort:
        return QStringLiteral("&Abbrechen");
    case ButtonRetry:
        return QStringLiteral("&Wiederholen");
    case ButtonIgnore:
        return QStringLiteral("&Ignorieren");
    case ButtonAll:
        return QStringLiteral("&Alle");
    case ButtonNoToAll:
        return QStringLiteral("N&ein für alle");
    case ButtonYesToAll:
        return QStringLiteral("Ja für a&lle");
    }
    return QString();
}

QString QtDialogs::Title(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
        return QStringLiteral("Fehler");
    case MessageKind::Warning:
        return QStringLiteral("Warnung");
    case MessageKind::Information:
        return QStringLiteral("Information");
    case MessageKind::Confirmation:
        return QStringLiteral("Bestätigung");
    }
    return QStringLiteral("Maprune");
}

DialogButton QtDialogs::ShowMessage(
    MessageKind kind, const std::string& text, DialogButtons buttons)
{
    if ((buttons & ((ButtonYesToAll << 1) - 1)) == 0)
        buttons = ButtonOk;
    QWidget* parent = FParent ? FParent.data() : QApplication::activeWindow();
    QMessageBox box(
        Icon(kind), Title(kind), QString::fromStdString(text), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    std::map<QAbstractButton*, DialogButton> answers;
    QAbstractButton* first = nullptr;
    for (DialogButton button : kButtonOrder) {
        if ((buttons & button) == 0)
            continue;
        QAbstractButton* added = box.addButton(ButtonText(button), Role(button));
        answers[added] = button;
        if (first == nullptr)
            first = added;
    }
    const DialogButton onClose = AnswerToClosing(buttons);
    for (const auto& [widget, button] : answers) {
        if (button == onClose)
            box.setEscapeButton(widget);
    }
    if (auto* push = qobject_cast<QPushButton*>(first))
        box.setDefaultButton(push);
    box.exec();
    const auto found = answers.find(box.clickedButton());
    return found == answers.end() ? onClose : found->second;
}

} // namespace maprune
