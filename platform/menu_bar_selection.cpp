#include "platform/menu_bar_selection.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

namespace vq {
namespace {

class MenuBarSelection : public QObject {
public:
    explicit MenuBarSelection(QLineEdit* box) : QObject(box), box_(box) { box->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && Reason(event) == Qt::MenuBarFocusReason)
            Hold();
        else if (event->type() == QEvent::FocusIn)
            Restore(Reason(event) == Qt::MenuBarFocusReason);
        return QObject::eventFilter(watched, event);
    }

private:
    static Qt::FocusReason Reason(QEvent* event) { return static_cast<QFocusEvent*>(event)->reason(); }

    void Hold()
    {
        held_ = box_->hasSelectedText();
        text_ = box_->text();
        start_ = box_->selectionStart();
        length_ = box_->selectionLength();
        caretAtStart_ = box_->cursorPosition() == start_;
    }

    // Runs before the box's own focus-in, which leaves a selection as it is.
    void Restore(bool fromMenuBar)
    {
        if (held_ && fromMenuBar && box_->text() == text_) {
            if (caretAtStart_)
                box_->setSelection(start_ + length_, -length_);
            else
                box_->setSelection(start_, length_);
        }
        held_ = false;
    }

    QLineEdit* box_;
    bool held_ = false;
    QString text_;
    int start_ = 0;
    int length_ = 0;
    bool caretAtStart_ = false;
};

} // namespace

void KeepSelectionOverMenuBar(QLineEdit* box)
{
    new MenuBarSelection(box);
}

} // namespace vq
