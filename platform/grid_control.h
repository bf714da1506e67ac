// The results grid on screen: a QTableView that shows a GridModel. Row 0 and column 0
// of the model are the fixed header row and column; they are drawn as the view's
// headers so that they stay in view while the data scroll.
#pragma once

#include "platform/grid_model.h"

#include <QTableView>

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

    // The corner cell's text, as drawn (for tests and screenshots).
    QString CornerText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The copy key raises the model's CopyKey when there is one.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnModelChanged(GridModel::Change change);
    void ApplySizes();
    void UpdateHeaders();
    void OnCurrentChanged();

    GridModel model_;
    GridTableModel* table_ = nullptr;
    QAbstractButton* corner_ = nullptr;
};

// Qt's alignment flags for a grid alignment.
Qt::Alignment ToQtAlignment(GridAlignment a);
// A cell text as Qt draws it: CR LF and lone CR become line feeds.
QString ToDisplayText(const std::string& text);

} // namespace vq
