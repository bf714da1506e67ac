#include "printing/graph_properties_form.h"

#include "app/input_panel_logic.h"
#include "common/ui/main_window_view.h"
#include "platform/grid_control.h"
#include "common/common_dialog_errors.h"
#include "common/program_identity.h"
#include "common/ui/widget_routines.h"
#include "common/user_interface.h"
#include "platform/file_dialog.h"
#include "preferences/output_mod.h"
#include "printing/graph_customize_dialog.h"
#include "printing/graph_logic.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace vq {

namespace {

const std::string PrintErrorLeadIn = "The following error occurred while printing:";
const std::string SaveErrorLeadIn = "The following error occurred while saving to file:";

// Beeps and shows a lead-in line, an empty line and the indented detail.
void ShowGraphError(const std::string& leadIn, const std::string& detail)
{
    CurrentUserInterface().SetBusy(false);
    CurrentUserInterface().Beep();
    CurrentUserInterface().Message(leadIn + "\r\n\r\n      " + detail, MessageStyle::Exclamation, ProgramTitle);
}

// Runs an event handler of the window; anything thrown is reported and the window
// goes on.
template <typename Handler>
void GuardedHandler(Handler handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        CurrentUserInterface().SetBusy(false);
        CurrentUserInterface().Message(std::string("An unexpected error occurred:\r\n\r\n      ") + e.what(),
                                       MessageStyle::Exclamation, ProgramTitle);
    }
}

std::string Text(const QComboBox* combo)
{
    return combo->currentText().toStdString();
}

int SelectedCode(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? 0 : combo->currentData().toInt();
}

} // namespace

QStringList GraphSaveFilters()
{
    return {"SVG (*.svg)", "Bitmap (*.bmp)", "JPEG (*.jpg)", "PNG (*.png)"};
}

GraphPropertiesForm::GraphPropertiesForm(MainWindowView& main) : QDialog(&main), main_(main)
{
    setObjectName("GraphPropertiesForm");
    setWindowTitle("Graph Properties");
    setModal(true);

    auto* lists = new QGridLayout;
    auto* independentLabel = new QLabel("&Independent Property:", this);
    auto* dependentLabel = new QLabel("&Dependent Property:", this);
    CMB_StateIndependent = new QComboBox(this);
    CMB_StateIndependentUnits = new QComboBox(this);
    CMB_StateDependent = new QComboBox(this);
    CMB_StateDependentUnits = new QComboBox(this);
    independentLabel->setBuddy(CMB_StateIndependent);
    dependentLabel->setBuddy(CMB_StateDependent);
    for (QComboBox* c : {CMB_StateIndependent, CMB_StateDependent})
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lists->addWidget(independentLabel, 0, 0);
    lists->addWidget(CMB_StateIndependent, 0, 1);
    lists->addWidget(CMB_StateIndependentUnits, 0, 2);
    lists->addWidget(dependentLabel, 1, 0);
    lists->addWidget(CMB_StateDependent, 1, 1);
    lists->addWidget(CMB_StateDependentUnits, 1, 2);
    lists->setColumnStretch(3, 1);

    GRA_Curve = new GraphChart(this);
    GRA_Curve->setObjectName("GRA_Curve");

    auto* buttons = new QVBoxLayout;
    BTN_UpdateGraph = new QPushButton("&Show Graph", this);
    BTN_CustomizeGraph = new QPushButton("Customize &Graph...", this);
    BTN_Print = new QPushButton("&Print...", this);
    BTN_Save = new QPushButton("Sa&ve...", this);
    BTN_Copy = new QPushButton("&Copy", this);
    BTN_Close = new QPushButton("Cl&ose", this);
    for (QPushButton* b : {BTN_UpdateGraph, BTN_CustomizeGraph, BTN_Print, BTN_Save, BTN_Copy, BTN_Close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    BTN_UpdateGraph->setDefault(true);
    buttons->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(GRA_Curve, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(body, 1);
    resize(860, 640);

    connect(BTN_UpdateGraph, &QPushButton::clicked, this, [this] { GuardedHandler([this] { BTN_UpdateGraph_Click(); }); });
    connect(BTN_CustomizeGraph, &QPushButton::clicked, this,
            [this] { GuardedHandler([this] { BTN_CustomizeGraph_Click(); }); });
    connect(BTN_Print, &QPushButton::clicked, this, [this] { GuardedHandler([this] { BTN_Print_Click(); }); });
    connect(BTN_Save, &QPushButton::clicked, this, [this] { GuardedHandler([this] { BTN_Save_Click(); }); });
    connect(BTN_Copy, &QPushButton::clicked, this, [this] { GuardedHandler([this] { BTN_Copy_Click(); }); });
    connect(BTN_Close, &QPushButton::clicked, this, [this] { GuardedHandler([this] { BTN_Close_Click(); }); });
    connect(GRA_Curve, &GraphChart::DoubleClicked, this, [this] { GuardedHandler([this] { GRA_Curve_DblClick(); }); });
    connect(CMB_StateDependent, &QComboBox::currentIndexChanged, this,
            [this] { GuardedHandler([this] { CMB_StateDependent_Click(); }); });
    connect(CMB_StateDependentUnits, &QComboBox::currentIndexChanged, this,
            [this] { GuardedHandler([this] { CMB_StateDependentUnits_Click(); }); });
    connect(CMB_StateIndependent, &QComboBox::currentIndexChanged, this,
            [this] { GuardedHandler([this] { CMB_StateIndependent_Click(); }); });
    connect(CMB_StateIndependentUnits, &QComboBox::currentIndexChanged, this,
            [this] { GuardedHandler([this] { CMB_StateIndependentUnits_Click(); }); });

    SettingUp = true;
    SetResultButtons(false);
}

GraphPropertiesForm::~GraphPropertiesForm() = default;

void GraphPropertiesForm::LoadFromMain()
{
    CMB_StateIndependent->clear();
    const int r = SelectedCode(main_.CMB_State2);
    main_.FillDependentPropertyList(CMB_StateDependent, r);
    if (CMB_StateDependent->count() > 0)
        CMB_StateDependent->setCurrentIndex(0);
    CMB_StateIndependent->addItem(QString::fromStdString(OutputParams(r).Name), r);
    CMB_StateIndependent->setCurrentIndex(0);
    // Both unit lists come from one routine for one code, so the index carries over.
    const int rangeUnit = main_.CMB_State2Units->currentIndex();
    if (rangeUnit >= 0 && rangeUnit < CMB_StateIndependentUnits->count())
        CMB_StateIndependentUnits->setCurrentIndex(rangeUnit);
    if (CMB_StateDependent->count() > 0) {
        CMB_StateDependent->setCurrentIndex(0);
        CMB_StateDependent_Click();
    }
}

void GraphPropertiesForm::RangeShow()
{
    SettingUp = false;
    CenterFormOnMain(this);
    exec();
}

void GraphPropertiesForm::SetResultButtons(bool enabled)
{
    for (QPushButton* b : {BTN_Print, BTN_Save, BTN_Copy})
        b->setEnabled(enabled);
}

void GraphPropertiesForm::CMB_StateDependent_Click()
{
    main_.FillUnitsForProperty(CMB_StateDependent, CMB_StateDependentUnits);
    if (CMB_StateDependent->currentIndex() >= 0 && !SettingUp) {
        const COutputParam& p = OutputParams(SelectedCode(CMB_StateDependent));
        if (p.HasUnits)
            SelectComboItemByText(CMB_StateDependentUnits, p.Units);
    }
    // Customised titles and fixed bounds were for the quantity shown before.
    GRA_Curve->SetCustomGraphTitle(std::nullopt);
    GRA_Curve->ForgetCustomLeftAxis();
    GRA_Curve->SetAction(GraphActionClear);
    SetResultButtons(false);
}

void GraphPropertiesForm::CMB_StateDependentUnits_Click()
{
    GRA_Curve->ForgetCustomLeftAxis();
    GRA_Curve->SetAction(GraphActionClear);
    SetResultButtons(false);
}

void GraphPropertiesForm::CMB_StateIndependent_Click()
{
    main_.FillUnitsForProperty(CMB_StateIndependent, CMB_StateIndependentUnits);
}

void GraphPropertiesForm::CMB_StateIndependentUnits_Click()
{
    GRA_Curve->ForgetCustomBottomAxis();
    GRA_Curve->SetAction(GraphActionClear);
}

void GraphPropertiesForm::BTN_UpdateGraph_Click()
{
    ShowGraph();
}

void GraphPropertiesForm::ShowGraph()
{
    SetResultButtons(true);
    const int n = std::clamp(main_.NumberOfRangeCalcs(), 0, 32767);

    GraphChart& chart = *GRA_Curve;
    chart.SetAction(GraphActionClear);
    chart.SetLineStyle(1);
    chart.SetPointCount(n);
    chart.SetWideLine(0);
    chart.SetDataSetCount(1);

    int mode = 0;
    double start = 0.0, end = 0.0, increment = 0.0;
    main_.GetRangeSettings(mode, start, end, increment);

    const int xc = SelectedCode(CMB_StateIndependent);
    const int yc = SelectedCode(CMB_StateDependent);
    const std::string sourceUnits = Text(main_.CMB_State2Units);
    const std::string targetUnits = Text(CMB_StateIndependentUnits);

    GraphRequest request;
    for (int i = 1; i <= n; ++i)
        request.x.push_back(
            ConvertGraphRangePoint(xc, RangePointValue(start, end, increment, i), sourceUnits, targetUnits));
    request.code = yc;
    request.position = GraphParameterPosition(OutputPrefs, yc);
    request.pointsInRows = OutputPrefs.RowColOrder[1] != 0;
    request.valueUnits = OutputParams(yc).Units;
    request.targetUnits = Text(CMB_StateDependentUnits);

    const GridModel& grid = main_.GRD_Output->Model();
    const GraphSeries series =
        CollectGraphPoints(request, [&grid](int row, int col) { return grid.TextMatrix(row, col); });
    const int m = static_cast<int>(series.y.size());
    if (m == 0) {
        CurrentUserInterface().Message("There are no data points to plot.", MessageStyle::Exclamation, ProgramTitle);
        return;
    }
    chart.SetPointCount(m);
    for (int i = 1; i <= m; ++i) {
        chart.SetDataValue(i, series.y[static_cast<std::size_t>(i - 1)]);
        chart.SetXPosition(i, series.x[static_cast<std::size_t>(i - 1)]);
    }

    SetIndependentAxisTitle();
    SetDependentAxisTitle();

    const double xSpan = GraphAxisSpan(chart.BottomScaleMode(), series.xMax, series.xMin, chart.BottomMax(),
                                       chart.BottomMin());
    const double ySpan =
        GraphAxisSpan(chart.LeftScaleMode(), series.yMax, series.yMin, chart.LeftMax(), chart.LeftMin());
    chart.SetBottomLabelFormat(GraphAxisLabelFormat(xSpan));
    chart.SetLeftLabelFormat(GraphAxisLabelFormat(ySpan));

    GraphTitleParts title;
    title.mode = mode;
    title.dependent = Text(CMB_StateDependent);
    title.independent = Text(CMB_StateIndependent);
    title.conditionName = OutputParams(SelectedCode(main_.CMB_State1)).Name;
    title.conditionValueShown = main_.TXT_State1->isVisibleTo(&main_);
    title.conditionValue = main_.TXT_State1->text().toStdString();
    title.conditionUnits = Text(main_.CMB_State1Units);
    chart.SetGraphTitle(QString::fromStdString(GraphTitle(title)));

    chart.SetAction(GraphActionDraw);
}

void GraphPropertiesForm::SetIndependentAxisTitle()
{
    GRA_Curve->SetBottomTitle(
        QString::fromStdString(GraphAxisTitle(Text(CMB_StateIndependent), Text(CMB_StateIndependentUnits))));
}

void GraphPropertiesForm::SetDependentAxisTitle()
{
    GRA_Curve->SetLeftTitle(
        QString::fromStdString(GraphAxisTitle(Text(CMB_StateDependent), Text(CMB_StateDependentUnits))));
}

void GraphPropertiesForm::BTN_CustomizeGraph_Click()
{
    CustomizeGraph(*GRA_Curve);
    ShowGraph();
}

void GraphPropertiesForm::BTN_Copy_Click()
{
    GRA_Curve->SetAction(GraphActionCopy);
    if (!GRA_Curve->LastError().empty())
        ShowGraphError("The following error occurred while copying the graph:", GRA_Curve->LastError());
}

void GraphPropertiesForm::BTN_Close_Click()
{
    hide();
}

int GraphPropertiesForm::RunPrintDialog(QPrinter& printer)
{
    if (printDialog_)
        return printDialog_(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle("Print Graph");
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted ? 0 : CommonDialogCancelError;
}

int GraphPropertiesForm::RunSaveDialog(std::string& fileName)
{
    if (saveDialog_)
        return saveDialog_(fileName);
    // The picture types, JPEG shown first; a name typed without an extension takes the
    // one of the chosen type.
    FileDialogRequest request{true, "Save Graph As", "", "jpg", "*.jpg", 3};
    for (const QString& type : GraphSaveFilters())
        request.filter += (request.filter.empty() ? "" : "|") + type.toStdString() + "|" +
                          type.section('(', 1).chopped(1).toStdString();
    const FileDialogResult chosen = ShowFileDialog(this, request);
    fileName = chosen.path;
    return chosen.error;
}

void GraphPropertiesForm::PrintGraphDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    const int error = RunPrintDialog(printer);
    if (error == CommonDialogCancelError)
        return;
    if (error != 0) {
        ShowGraphError(PrintErrorLeadIn, GetCommonDialogErrorText(error));
        return;
    }
    // Each copy is printed as its own job; none is sent after one that failed. Each job
    // starts with no error, so an earlier action's failure is not this job's.
    const int copies = std::clamp(printer.copyCount(), 1, 32767);
    printer.setCopyCount(1);
    GRA_Curve->SetPrinter(&printer);
    {
        const BusyScope busy;
        for (int i = 0; i < copies; ++i) {
            GRA_Curve->SetAction(GraphActionPrint);
            if (!GRA_Curve->LastError().empty())
                break;
        }
    }
    GRA_Curve->SetPrinter(nullptr);
    if (!GRA_Curve->LastError().empty())
        ShowGraphError(PrintErrorLeadIn, GRA_Curve->LastError());
}

void GraphPropertiesForm::SaveGraphDialog()
{
    std::string fileName;
    const int error = RunSaveDialog(fileName);
    if (error == CommonDialogCancelError)
        return;
    if (error != 0) {
        ShowGraphError(SaveErrorLeadIn, GetCommonDialogErrorText(error));
        return;
    }
    FollowChosenFile(fileName);
    {
        const BusyScope busy;
        if (fileName.size() >= 3 && fileName.compare(fileName.size() - 3, 3, "bmp") == 0)
            GRA_Curve->SetAction(GraphActionBitmap);
        GRA_Curve->SetImageFile(QString::fromStdString(fileName));
        GRA_Curve->SetAction(GraphActionWriteFile);
        if (GRA_Curve->Action() == GraphActionBitmap)
            GRA_Curve->SetAction(GraphActionDraw);
    }
    if (!GRA_Curve->LastError().empty())
        ShowGraphError(SaveErrorLeadIn, fileName + ": " + GRA_Curve->LastError());
}

void ShowGraphProperties(MainWindowView& main)
{
    {
        GraphPropertiesForm form(main);
        form.LoadFromMain();
        form.RangeShow();
    }
    main.raise();
    main.activateWindow();
}

} // namespace vq
