#include "platform/grid_control.h"

#include "platform/twips.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOptionHeader>

#include <algorithm>
#include <utility>

namespace vq {

Qt::Alignment ToQtAlignment(GridAlignment a)
{
    switch (a) {
    case GridAlignment::LeftTop: return Qt::AlignLeft | Qt::AlignTop;
    case GridAlignment::LeftCenter: return Qt::AlignLeft | Qt::AlignVCenter;
    case GridAlignment::LeftBottom: return Qt::AlignLeft | Qt::AlignBottom;
    case GridAlignment::CenterTop: return Qt::AlignHCenter | Qt::AlignTop;
    case GridAlignment::CenterCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    case GridAlignment::CenterBottom: return Qt::AlignHCenter | Qt::AlignBottom;
    case GridAlignment::RightTop: return Qt::AlignRight | Qt::AlignTop;
    case GridAlignment::RightCenter: return Qt::AlignRight | Qt::AlignVCenter;
    case GridAlignment::RightBottom: return Qt::AlignRight | Qt::AlignBottom;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Data cells of the view are the model's cells past the fixed row and column.
class GridTableModel final : public QAbstractTableModel {
public:
    explicit GridTableModel(const GridModel& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(grid_.Rows() - grid_.FixedRows(), 0);
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(grid_.Cols() - grid_.FixedCols(), 0);
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const int r = index.row() + grid_.FixedRows();
        const int c = index.column() + grid_.FixedCols();
        if (role == Qt::DisplayRole)
            return ToDisplayText(grid_.TextMatrix(r, c));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(ToQtAlignment(grid_.CellAlignment(r, c)));
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        const bool horizontal = orientation == Qt::Horizontal;
        const int r = horizontal ? 0 : section + grid_.FixedRows();
        const int c = horizontal ? section + grid_.FixedCols() : 0;
        if (role == Qt::DisplayRole)
            return ToDisplayText(grid_.TextMatrix(r, c));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(ToQtAlignment(grid_.CellAlignment(r, c)));
        return {};
    }
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }
    void TextsChanged()
    {
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        if (columnCount() > 0)
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        if (rowCount() > 0)
            emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }

private:
    const GridModel& grid_;
};

GridControl::GridControl(QWidget* parent) : QTableView(parent)
{
    table_ = new GridTableModel(model_, this);
    setModel(table_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    // Tab and Shift+Tab go on to the next or previous control; arrows move among the cells.
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    setCornerButtonEnabled(false);
    corner_ = findChild<QAbstractButton*>();
    if (corner_)
        corner_->installEventFilter(this);

    model_.SetListener([this](GridModel::Change c) { OnModelChanged(c); });
    // A double-click makes the clicked cell current; on a heading it selects the heading's
    // whole line, as a click on a heading does in the view. The empty part of a heading
    // bar (section -1) is no heading: a double-click there does nothing.
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        model_.SetCurrentCell(index.row() + model_.FixedRows(), index.column() + model_.FixedCols());
        OnDoubleClick();
    });
    connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int section) {
        if (section < 0)
            return;
        const int row = section + model_.FixedRows();
        model_.SetSelection(row, 0, row, model_.Cols() - 1);
        OnDoubleClick();
    });
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int section) {
        if (section < 0)
            return;
        const int col = section + model_.FixedCols();
        model_.SetSelection(0, col, model_.Rows() - 1, col);
        OnDoubleClick();
    });
    OnModelChanged(GridModel::Change::Layout);
}

GridControl::~GridControl()
{
    model_.SetListener({});
}

void GridControl::OnModelChanged(GridModel::Change change)
{
    switch (change) {
    case GridModel::Change::Layout:
        // The view learns a new row or column count at once; texts and sizes follow.
        table_->Reset();
        if (selectionModel())
            connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &GridControl::OnCurrentChanged,
                    Qt::UniqueConnection);
        UpdateHeaders();
        textsChanged_ = true;
        sizesChanged_ = true;
        break;
    case GridModel::Change::Texts:
        textsChanged_ = true;
        break;
    case GridModel::Change::Sizes:
        sizesChanged_ = true;
        break;
    }
    if (!refreshPosted_) {
        refreshPosted_ = true;
        QMetaObject::invokeMethod(this, &GridControl::Refresh, Qt::QueuedConnection);
    }
}

void GridControl::Refresh()
{
    refreshPosted_ = false;
    if (std::exchange(textsChanged_, false)) {
        table_->TextsChanged();
        if (corner_)
            corner_->update();
    }
    if (std::exchange(sizesChanged_, false))
        ApplySizes();
}

void GridControl::UpdateHeaders()
{
    horizontalHeader()->setVisible(model_.FixedRows() > 0 && model_.Rows() > 0 && model_.Cols() > 0);
    verticalHeader()->setVisible(model_.FixedCols() > 0 && model_.Cols() > 0 && model_.Rows() > 0);
}

void GridControl::ApplySizes()
{
    const int dpiX = logicalDpiX(), dpiY = logicalDpiY();
    // A header that draws nothing while its sections change places them once, not per section.
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()})
        header->setUpdatesEnabled(false);
    for (int c = model_.FixedCols(); c < model_.Cols(); ++c)
        horizontalHeader()->resizeSection(c - model_.FixedCols(), TwipsToPixels(model_.ColWidth(c), dpiX));
    for (int r = model_.FixedRows(); r < model_.Rows(); ++r)
        verticalHeader()->resizeSection(r - model_.FixedRows(), TwipsToPixels(model_.RowHeight(r), dpiY));
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()})
        header->setUpdatesEnabled(true);
    if (model_.FixedRows() > 0 && model_.Rows() > 0)
        horizontalHeader()->setFixedHeight(TwipsToPixels(model_.RowHeight(0), dpiY) + 4);
    if (model_.FixedCols() > 0 && model_.Cols() > 0)
        verticalHeader()->setFixedWidth(TwipsToPixels(model_.ColWidth(0), dpiX));
}

void GridControl::OnDoubleClick()
{
    ShowModelSelection();
    if (model_.DblClick)
        model_.DblClick();
}

void GridControl::ShowModelSelection()
{
    const QScopedValueRollback guard(showingModel_, true);
    QItemSelectionModel* selection = selectionModel();
    const int fr = model_.FixedRows(), fc = model_.FixedCols();
    const int lastRow = table_->rowCount() - 1, lastCol = table_->columnCount() - 1;
    selection->setCurrentIndex(table_->index(std::clamp(model_.Row() - fr, 0, std::max(lastRow, 0)),
                                             std::clamp(model_.Col() - fc, 0, std::max(lastCol, 0))),
                               QItemSelectionModel::NoUpdate);
    // Only data cells show selected; the headings stand for their lines.
    const int top = std::max(std::min(model_.Row(), model_.RowSel()) - fr, 0);
    const int bottom = std::min(std::max(model_.Row(), model_.RowSel()) - fr, lastRow);
    const int left = std::max(std::min(model_.Col(), model_.ColSel()) - fc, 0);
    const int right = std::min(std::max(model_.Col(), model_.ColSel()) - fc, lastCol);
    if (model_.HasSelection() && top <= bottom && left <= right)
        selection->select(QItemSelection(table_->index(top, left), table_->index(bottom, right)),
                          QItemSelectionModel::ClearAndSelect);
    else
        selection->clearSelection();
}

void GridControl::OnCurrentChanged()
{
    if (showingModel_)
        return;
    const QModelIndexList picked = selectionModel()->selectedIndexes();
    if (picked.isEmpty()) {
        model_.ClearSelection();
        return;
    }
    int top = picked.front().row(), bottom = top, left = picked.front().column(), right = left;
    for (const QModelIndex& i : picked) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    const QModelIndex current = currentIndex();
    const int fr = model_.FixedRows(), fc = model_.FixedCols();
    // The current cell is the anchor and the selection end the opposite corner; a
    // current cell inside the rectangle (Select All) gives way to the top-left corner.
    const bool cornerRow = current.isValid() && (current.row() == top || current.row() == bottom);
    const bool cornerCol = current.isValid() && (current.column() == left || current.column() == right);
    const int row = cornerRow ? current.row() : top;
    const int col = cornerCol ? current.column() : left;
    const int rowSel = row == top ? bottom : top;
    const int colSel = col == left ? right : left;
    model_.SetSelection(row + fr, col + fc, rowSel + fr, colSel + fc);
}

int GridControl::TextWidthTwips(const std::string& text) const
{
    return PixelsToTwipsX(Widths().Pixels(text));
}

TextWidths& GridControl::Widths() const
{
    if (!widths_)
        widths_ = std::make_unique<TextWidths>(font());
    return *widths_;
}

int GridControl::TwipsToPixelsX(int twips) const
{
    return TwipsToPixels(twips, logicalDpiX());
}

int GridControl::TwipsToPixelsY(int twips) const
{
    return TwipsToPixels(twips, logicalDpiY());
}

int GridControl::PixelsToTwipsX(int pixels) const
{
    return PixelsToTwips(pixels, logicalDpiX());
}

void GridControl::AutoSizeColumns(int first, int last)
{
    TextWidths& widths = Widths();
    const int dpi = logicalDpiX();
    model_.AutoSize(first, last, [&](const std::string& t) { return PixelsToTwips(widths.Pixels(t), dpi); });
}

QString GridControl::CornerText() const
{
    if (model_.FixedRows() == 0 || model_.FixedCols() == 0)
        return {};
    return ToDisplayText(model_.TextMatrix(0, 0));
}

void GridControl::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy) && model_.CopyKey) {
        model_.CopyKey();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        widths_.reset();
    QTableView::changeEvent(event);
}

bool GridControl::eventFilter(QObject* watched, QEvent* event)
{
    // The corner button of the view stands for cell (0, 0): draw it as a header with its text.
    if (watched == corner_ && event->type() == QEvent::Paint) {
        QPainter painter(corner_);
        QStyleOptionHeader option;
        option.initFrom(corner_);
        option.state |= QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Active);
        option.rect = corner_->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.text = CornerText();
        option.textAlignment = ToQtAlignment(model_.CellAlignment(0, 0));
        style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace vq
