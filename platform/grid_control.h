// The results grid on screen: a QTableView that shows a GridModel. Row 0 and column 0
// of the model are the fixed header row and column; they are drawn as the view's
// headers so that they stay in view while the data scroll.
#pragma once

#include "platform/cell_text.h"
#include "platform/grid_model.h"

#include <QTableView>

#include <memory>

class QAbstractButton;

namespace vq {

class GridTableModel;

class GridControl : public QTableView {
    Q_OBJECT
public:
    explicit GridControl(QWidget* parent = nullptr);
    ~GridControl() override;

    GridModel& Model() { return model_; }
    const GridModel& Model() const { return model_; }

    // Width of a text in twips in the grid's font (each line of a two-line text).
    int TextWidthTwips(const std::string& text) const;
    // Pixels of a length in twips on this screen, and back.
    int TwipsToPixelsX(int twips) const;
    int TwipsToPixelsY(int twips) const;
    int PixelsToTwipsX(int pixels) const;

    // Sizes columns first..last to their texts.
    void AutoSizeColumns(int first, int last);

    // Changes of the model reach the view once, when control returns to the event
    // loop; this brings the view up to date at once.
    void Refresh();

    // The corner cell's text, as drawn (for tests and screenshots).
    QString CornerText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The copy key raises the model's CopyKey when there is one.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnModelChanged(GridModel::Change change);
    void ApplySizes();
    void UpdateHeaders();
    void OnCurrentChanged();
    void OnDoubleClick();
    // The view selects the data cells of the model's selection and makes its current cell current.
    void ShowModelSelection();
    TextWidths& Widths() const;

    GridModel model_;
    GridTableModel* table_ = nullptr;
    QAbstractButton* corner_ = nullptr;
    bool refreshPosted_ = false;
    bool showingModel_ = false;
    bool textsChanged_ = false;
    bool sizesChanged_ = false;
    mutable std::unique_ptr<TextWidths> widths_; // for the current font
};

// Qt's alignment flags for a grid alignment.
Qt::Alignment ToQtAlignment(GridAlignment a);

} // namespace vq
