#include "common/ui/qt_user_interface.h"

#include <QApplication>
#include <QMessageBox>

namespace vq {
namespace {

QMessageBox::Icon IconFor(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Information: return QMessageBox::Information;
    case MessageStyle::Exclamation: return QMessageBox::Warning;
    case MessageStyle::Critical: return QMessageBox::Critical;
    case MessageStyle::Question: return QMessageBox::Question;
    case MessageStyle::Plain: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ButtonFor(Answer answer, bool withCancel)
{
    switch (answer) {
    case Answer::No: return QMessageBox::No;
    case Answer::Cancel: return withCancel ? QMessageBox::Cancel : QMessageBox::No;
    case Answer::Yes: break;
    }
    return QMessageBox::Yes;
}

} // namespace

void QtUserInterface::Message(const std::string& text, MessageStyle style, const std::string& title)
{
    QMessageBox box(IconFor(style), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, owner_);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // an address or path can be copied
    box.exec();
}

void QtUserInterface::Beep()
{
    QApplication::beep();
}

Answer QtUserInterface::Ask(const std::string& text, const std::string& title, bool withCancel, Answer defaultAnswer)
{
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    buttons, owner_);
    box.setDefaultButton(ButtonFor(defaultAnswer, withCancel));
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return withCancel ? Answer::Cancel : Answer::No;
    }
}

int QtUserInterface::ChooseSolution(const SolutionChoice& choice)
{
    return chooser_ ? chooser_(choice) : 1;
}

void QtUserInterface::SetBusy(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else {
        while (busyDepth_ > 0) {
            QApplication::restoreOverrideCursor();
            --busyDepth_;
        }
    }
}

int QtUserInterface::InputMode() const
{
    return modeSource_ ? modeSource_() : 0;
}

} // namespace vq
