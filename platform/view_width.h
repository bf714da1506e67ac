// Widths that let list boxes and tree lists show their entries whole.
#pragma once

class QAbstractItemView;
class QString;

namespace vq {

// The width an entry of the view needs to show text whole.
int EntryTextWidth(const QAbstractItemView* view, const QString& text);
// Widens the view, when needed, to show entries that wide whole beside its vertical
// scroll bar.
void FitViewWidth(QAbstractItemView* view, int entriesWidth);

} // namespace vq
