// The graph's customisation dialog: the chart and axis titles, the scale of each
// axis, the line of the data set, point marks and grid lines. It starts from the
// chart as it is drawn.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QSpinBox;

namespace vq {

class GraphChart;

// Opens the customisation dialog over the chart (titles, scales, line, point marks,
// grid lines) and applies what OK accepts.
void CustomizeGraph(GraphChart& chart);

class GraphCustomizeDialog : public QDialog {
    Q_OBJECT
public:
    GraphCustomizeDialog(const GraphChart& chart, QWidget* parent = nullptr);

    // Writes the choices to the chart. A title left as the program's own follows
    // the program's later titles.
    void ApplyTo(GraphChart& chart) const;
    // OK with fixed bounds that are not two numbers, the minimum below the maximum,
    // says so and keeps the dialog open.
    void done(int result) override;

    struct AxisControls {
        QComboBox* scale = nullptr; // item data: the scale mode
        QLineEdit* min = nullptr;   // bounds of the fixed mode
        QLineEdit* max = nullptr;
    };

    QLineEdit* graphTitle = nullptr;
    QLineEdit* bottomTitle = nullptr;
    QLineEdit* leftTitle = nullptr;
    AxisControls bottomAxis;
    AxisControls leftAxis;
    QComboBox* lineStyle = nullptr; // item data: a Qt::PenStyle
    QSpinBox* lineWidth = nullptr;
    QCheckBox* pointMarks = nullptr;
    QCheckBox* gridLines = nullptr;

private:
    AxisControls MakeAxisControls(int mode, float min, float max);
    QHBoxLayout* AxisRow(const AxisControls& axis);
    bool CheckAxis(const AxisControls& axis, const char* name);

    QString programGraphTitle_, programBottomTitle_, programLeftTitle_;
};

// Bounds of a fixed scale typed in the locale's notation; false unless both are
// numbers a single-precision chart holds and min is below max.
bool ReadFixedScale(const QString& minText, const QString& maxText, double& min, double& max);

} // namespace vq
