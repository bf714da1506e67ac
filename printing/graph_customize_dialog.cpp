#include "printing/graph_customize_dialog.h"

#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/settings_text.h"
#include "common/ui/widget_routines.h"
#include "common/user_interface.h"
#include "printing/graph_chart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <cmath>
#include <limits>
#include <optional>

namespace vq {

namespace {

QString BoundText(float value)
{
    return QString::fromStdString(ToLocaleDecimal(ShortestFloatText(value)));
}

// The title to keep: none when it is the program's own.
std::optional<QString> CustomTitle(const QLineEdit* edit, const QString& programTitle)
{
    if (edit->text() == programTitle)
        return std::nullopt;
    return edit->text();
}

bool FitsChart(double v)
{
    return std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max());
}

} // namespace

bool ReadFixedScale(const QString& minText, const QString& maxText, double& min, double& max)
{
    double lo = 0.0, hi = 0.0;
    if (ReadTypedNumber(minText.toStdString(), lo) != TypedNumber::Ok
        || ReadTypedNumber(maxText.toStdString(), hi) != TypedNumber::Ok)
        return false;
    if (!FitsChart(lo) || !FitsChart(hi) || !(static_cast<float>(lo) < static_cast<float>(hi)))
        return false;
    min = lo;
    max = hi;
    return true;
}

void CustomizeGraph(GraphChart& chart)
{
    GraphCustomizeDialog dialog(chart, &chart);
    const GraphChart::CustomizeRunner& runner = chart.CustomizeRunnerHook();
    const int result = runner ? runner(dialog) : dialog.exec();
    if (result == QDialog::Accepted)
        dialog.ApplyTo(chart);
    chart.update();
}

GraphCustomizeDialog::GraphCustomizeDialog(const GraphChart& chart, QWidget* parent)
    : QDialog(parent), programGraphTitle_(chart.GraphTitle()), programBottomTitle_(chart.BottomTitle()),
      programLeftTitle_(chart.LeftTitle())
{
    setWindowTitle(tr("Customize Graph"));
    graphTitle = new QLineEdit(chart.ShownGraphTitle(), this);
    bottomTitle = new QLineEdit(chart.ShownBottomTitle(), this);
    leftTitle = new QLineEdit(chart.ShownLeftTitle(), this);
    bottomAxis = MakeAxisControls(chart.BottomScaleMode(), chart.BottomMin(), chart.BottomMax());
    leftAxis = MakeAxisControls(chart.LeftScaleMode(), chart.LeftMin(), chart.LeftMax());

    lineStyle = new QComboBox(this);
    lineStyle->addItem(tr("Solid"), static_cast<int>(Qt::SolidLine));
    lineStyle->addItem(tr("Dashed"), static_cast<int>(Qt::DashLine));
    lineStyle->addItem(tr("Dotted"), static_cast<int>(Qt::DotLine));
    lineStyle->addItem(tr("Dash-dot"), static_cast<int>(Qt::DashDotLine));
    lineStyle->addItem(tr("None (points only)"), static_cast<int>(Qt::NoPen));
    lineStyle->setCurrentIndex(std::max(0, lineStyle->findData(chart.LinePenStyle())));
    lineWidth = new QSpinBox(this);
    lineWidth->setRange(1, 10);
    lineWidth->setValue(chart.LineWidth());
    pointMarks = new QCheckBox(tr("Mark each point"), this);
    pointMarks->setChecked(chart.PointMarks());
    gridLines = new QCheckBox(tr("Grid lines"), this);
    gridLines->setChecked(chart.GridLines());

    auto* form = new QFormLayout(this);
    form->addRow(tr("Graph title:"), graphTitle);
    form->addRow(tr("Horizontal axis title:"), bottomTitle);
    form->addRow(tr("Vertical axis title:"), leftTitle);
    form->addRow(tr("Horizontal scale:"), AxisRow(bottomAxis));
    form->addRow(tr("Vertical scale:"), AxisRow(leftAxis));
    form->addRow(tr("Line style:"), lineStyle);
    form->addRow(tr("Line width:"), lineWidth);
    form->addRow(pointMarks);
    form->addRow(gridLines);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

GraphCustomizeDialog::AxisControls GraphCustomizeDialog::MakeAxisControls(int mode, float min, float max)
{
    AxisControls axis;
    axis.scale = new QComboBox(this);
    axis.scale->addItem(tr("Automatic: bounds of the data"), GraphScaleData);
    axis.scale->addItem(tr("Automatic: rounded to whole ticks"), GraphScaleRounded);
    axis.scale->addItem(tr("Fixed"), GraphScaleFixed);
    axis.min = new QLineEdit(BoundText(min), this);
    axis.max = new QLineEdit(BoundText(max), this);
    const auto enableBounds = [axis] {
        const bool fixed = axis.scale->currentData().toInt() == GraphScaleFixed;
        axis.min->setEnabled(fixed);
        axis.max->setEnabled(fixed);
    };
    connect(axis.scale, &QComboBox::currentIndexChanged, this, enableBounds);
    axis.scale->setCurrentIndex(std::max(0, axis.scale->findData(mode)));
    enableBounds();
    return axis;
}

QHBoxLayout* GraphCustomizeDialog::AxisRow(const AxisControls& axis)
{
    auto* row = new QHBoxLayout;
    row->addWidget(axis.scale, 1);
    row->addWidget(new QLabel(tr("from"), this));
    row->addWidget(axis.min);
    row->addWidget(new QLabel(tr("to"), this));
    row->addWidget(axis.max);
    return row;
}

bool GraphCustomizeDialog::CheckAxis(const AxisControls& axis, const char* name)
{
    if (axis.scale->currentData().toInt() != GraphScaleFixed)
        return true;
    const std::string boxName = std::string(name) + " axis";
    if (!CheckNumberBox(axis.min, boxName + " minimum") || !CheckNumberBox(axis.max, boxName + " maximum"))
        return false;
    double min = 0.0, max = 0.0;
    if (ReadFixedScale(axis.min->text(), axis.max->text(), min, max))
        return true;
    CurrentUserInterface().Message(std::string("The fixed scale of the ") + name
                                       + " axis needs two numbers, the minimum below the maximum.",
                                   MessageStyle::Exclamation, ProgramTitle);
    axis.min->setFocus();
    return false;
}

void GraphCustomizeDialog::done(int result)
{
    if (result == QDialog::Accepted && !(CheckAxis(bottomAxis, "horizontal") && CheckAxis(leftAxis, "vertical")))
        return;
    QDialog::done(result);
}

void GraphCustomizeDialog::ApplyTo(GraphChart& chart) const
{
    chart.SetCustomGraphTitle(CustomTitle(graphTitle, programGraphTitle_));
    chart.SetCustomBottomTitle(CustomTitle(bottomTitle, programBottomTitle_));
    chart.SetCustomLeftTitle(CustomTitle(leftTitle, programLeftTitle_));
    double min = 0.0, max = 0.0;
    if (bottomAxis.scale->currentData().toInt() != GraphScaleFixed)
        chart.SetBottomScaleMode(bottomAxis.scale->currentData().toInt());
    else if (ReadFixedScale(bottomAxis.min->text(), bottomAxis.max->text(), min, max))
        chart.SetBottomFixedScale(min, max);
    if (leftAxis.scale->currentData().toInt() != GraphScaleFixed)
        chart.SetLeftScaleMode(leftAxis.scale->currentData().toInt());
    else if (ReadFixedScale(leftAxis.min->text(), leftAxis.max->text(), min, max))
        chart.SetLeftFixedScale(min, max);
    chart.SetLinePenStyle(lineStyle->currentData().toInt());
    chart.SetLineWidth(lineWidth->value());
    chart.SetPointMarks(pointMarks->isChecked());
    chart.SetGridLines(gridLines->isChecked());
}

} // namespace vq
