#include "platform/view_width.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace vq {

int EntryTextWidth(const QAbstractItemView* view, const QString& text)
{
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return view->fontMetrics().horizontalAdvance(text) + 2 * margin;
}

void FitViewWidth(QAbstractItemView* view, int entriesWidth)
{
    const int width = entriesWidth + 2 * view->frameWidth() + view->verticalScrollBar()->sizeHint().width();
    view->setMinimumWidth(std::max(view->minimumWidth(), width));
}

} // namespace vq
