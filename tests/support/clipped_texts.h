// Finds the captions and list entries of a window that are not shown whole.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QAbstractItemDelegate>
#include <QStyleOptionViewItem>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

namespace vq::test {

inline std::string Describe(const QWidget* w, const QString& text, int need, int have)
{
    return (w->objectName().isEmpty() ? std::string(w->metaObject()->className()) : w->objectName().toStdString()) +
           " \"" + text.toStdString() + "\" needs " + std::to_string(need) + " has " + std::to_string(have);
}

// Texts of the shown labels, buttons, group boxes and list entries under root that
// are cut off, each described with the room it needs and the room it has.
inline std::vector<std::string> ClippedTexts(const QWidget* root)
{
    // Layouts pending from text changes are settled first.
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    std::vector<std::string> clipped;
    auto check = [&](const QWidget* w, const QString& text, int need, int have) {
        if (need > have)
            clipped.push_back(Describe(w, text, need, have));
    };
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
            if (label->wordWrap())
                check(label, label->text(), label->heightForWidth(label->width()), label->height());
            else
                check(label, label->text(), label->minimumSizeHint().width(), label->width());
            check(label, label->text(), label->minimumSizeHint().height(), label->height());
        } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
            const auto* button = static_cast<const QAbstractButton*>(w);
            check(button, button->text(), button->sizeHint().width(), button->width());
            check(button, button->text(), button->fontMetrics().height(), button->height());
        } else if (const auto* push = qobject_cast<const QPushButton*>(w)) {
            QString text = push->text();
            text.remove('&');
            check(push, text, push->fontMetrics().horizontalAdvance(text) + 4, push->width());
            check(push, text, push->fontMetrics().height(), push->height());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            QString title = group->title();
            title.remove('&');
            check(group, title, group->fontMetrics().horizontalAdvance(title) + 8, group->width());
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w);
                   view && (qobject_cast<const QListWidget*>(w) || qobject_cast<const QTreeWidget*>(w))) {
            // Entries of list boxes and of the top level of tree lists, column by column.
            const QAbstractItemModel* model = view->model();
            for (int row = 0; row < model->rowCount(); ++row) {
                for (int col = 0; col < model->columnCount(); ++col) {
                    const QModelIndex index = model->index(row, col);
                    const QString text = index.data().toString();
                    if (text.isEmpty())
                        continue;
                    const QRect rect = view->visualRect(index);
                    QStyleOptionViewItem option;
                    option.initFrom(view);
                    const int need = view->itemDelegateForIndex(index)->sizeHint(option, index).width();
                    const int right = std::min(rect.right() + 1, view->viewport()->width());
                    check(view, text, need, right - rect.left());
                    check(view, text, view->fontMetrics().height(), rect.height());
                }
            }
        }
    }
    return clipped;
}

} // namespace vq::test
