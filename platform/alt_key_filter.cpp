#include "platform/alt_key_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace vq {
namespace {

// A key pressed with Alt that would type a character. AltGr, which composes characters,
// arrives without Alt (or with Ctrl, or as the group switch) and is not one.
bool IsAltCharacterKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & Qt::AltModifier) || (modifiers & (Qt::ControlModifier | Qt::GroupSwitchModifier)))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.front().isPrint();
}

} // namespace

AltKeyFilter::AltKeyFilter(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool AltKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    // Shortcuts and access keys have had the key before it reaches the widget.
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched) &&
        IsAltCharacterKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace vq
