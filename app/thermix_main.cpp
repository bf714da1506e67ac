#include "app/thermix_main.h"

#include "app/command_dispatch.h"
#include "app/document_commands.h"
#include "app/property_sources.h"
#include "app/thermix_work.h"
#include "common/main_window_host.h"
#include "common/number_format.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/section_writer.h"
#include "common/session_state.h"
#include "common/ui/widget_routines.h"
#include "common/ui/unit_combos.h"
#include "common/user_interface.h"
#include "platform/alt_key_filter.h"
#include "platform/menu_bar_selection.h"
#include "platform/toolbar_control.h"
#include "platform/twips.h"
#include "equations/flag_values.h"
#include "preferences/output_mod.h"
#include "preferences/ui/unit_change_form.h"
#include "solver/result_table.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace vq {
namespace {

// Panel geometry in twips.
constexpr int RowTop1 = 1020;
constexpr int RowTop2 = 1980;
constexpr int PanelHeight = 2640;
constexpr int BoxHeight = 315;
constexpr int PropertyLeft = 120, PropertyWidth = 2580;
constexpr int LabelLeft = 2820;
constexpr int ValueLeft = 4140, ValueWidth = 1500;
constexpr int UnitsLeft = 5760, UnitsWidth = 1560;
constexpr int IncLabelLeft = 5760, IncLabelWidth = 1080;
constexpr int IncLeft = 6900, IncWidth = 1020;
constexpr int RaiseValue = 270, RaiseLabel = 210, OneLineLabelDrop = 60;
constexpr int SecondLineTop = 120;

const std::array<int, 6> OutputTools = {ToolPrint, ToolPrintPreview, ToolExportOutput,
                                        ToolSaveOutput, ToolSaveOutputAs, ToolCreatePdf};

std::string Text(const QLineEdit* box)
{
    return box->text().toStdString();
}

// The typed number of a box; 0 for text that CheckInputNumbers refuses.
double Value(const QLineEdit* box)
{
    double value = 0;
    ReadTypedNumber(Text(box), value);
    return value;
}

// The box's name in messages: the row's property and the box's caption.
std::string BoxName(const QComboBox* property, const QLabel* label)
{
    QString caption = label->text().remove('&');
    if (caption.endsWith(':'))
        caption.chop(1);
    return (property->currentText() + " " + caption).toStdString();
}

// Runs an event handler; anything thrown is reported, cleanUp runs, and the program goes on.
template <typename Handler, typename CleanUp = void (*)()>
void Guarded(Handler handler, CleanUp cleanUp = [] {})
{
    try {
        handler();
    } catch (const std::exception& e) {
        cleanUp();
        CurrentUserInterface().SetBusy(false);
        CurrentUserInterface().Message(std::string("An unexpected error occurred:\r\n\r\n      ") + e.what(),
                                       MessageStyle::Exclamation, ProgramTitle);
    }
}

} // namespace

ThermixMain::ThermixMain(QWidget* parent) : MainWindowView(parent)
{
    setObjectName("ThermixMain");
    new AltKeyFilter(this); // Alt with a letter types nothing into any text box
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* panel = new QWidget(central);
    BuildInputPanel(panel);
    layout->addWidget(panel);
    GRD_Output = new GridControl(central);
    GRD_Output->setObjectName("GRD_Output");
    GRD_Output->Model().DblClick = [this] { Guarded([this] { OpenUnitChangeForm(this); }); };
    GRD_Output->Model().CopyKey = [this] { Guarded([this] { ABR_Main_Click(ToolCopy); }); };
    layout->addWidget(GRD_Output, 1);
    auto* source = new QHBoxLayout;
    LBL_PropertySource = new QLabel("Property Database:", central);
    LBL_PropertySourceName = new QLabel(central);
    source->addWidget(LBL_PropertySource);
    source->addWidget(LBL_PropertySourceName, 1);
    layout->addLayout(source);
    setCentralWidget(central);

    ABR_Main = new ToolbarControl(this);
    connect(ABR_Main, &ToolbarControl::Click, this, [this](int id) { Guarded([this, id] { ABR_Main_Click(id); }); });
    connect(ABR_Main, &ToolbarControl::PreCustomizeMenu, this, [this] { ABR_Main_PreCustomizeMenu(); });
    connect(ABR_Main, &ToolbarControl::Reset, this,
            [this](const QString& band) { Guarded([this, band] { ABR_Main_Reset(band.toStdString()); }); });
    SetShowTooltipsOnToolbars(-1);
    ApplyToolStates();
    qApp->installEventFilter(this);

    setWindowTitle(QString::fromStdString(ProgramTitle));
    resize(Px(10200), Px(7800));
    loadSize_ = size();
    setMinimumSize(loadSize_);
    ClearOutput();
}

ThermixMain::~ThermixMain()
{
    qApp->removeEventFilter(this);
}

int ThermixMain::Px(int twips) const
{
    return TwipsToPixels(twips, logicalDpiX());
}

void ThermixMain::BuildInputPanel(QWidget* panel)
{
    panel->setFixedHeight(Px(PanelHeight));
    TAB_InputMode = new QTabBar(panel);
    TAB_InputMode->setObjectName("TAB_InputMode");
    TAB_InputMode->addTab("  &Single Point  ");
    TAB_InputMode->addTab(" T&wo Points  ");
    TAB_InputMode->addTab("  &Range  ");
    TAB_InputMode->move(Px(PropertyLeft), Px(60));

    auto makeCombo = [&](const char* name) {
        auto* c = new QComboBox(panel);
        c->setObjectName(name);
        return c;
    };
    auto makeBox = [&](const char* name) {
        auto* b = new QLineEdit(panel);
        b->setObjectName(name);
        KeepSelectionOverMenuBar(b);
        return b;
    };
    auto makeLabel = [&](const char* name, const char* caption) {
        auto* l = new QLabel(caption, panel);
        l->setObjectName(name);
        return l;
    };
    CMB_State1 = makeCombo("CMB_State1");
    CMB_State2 = makeCombo("CMB_State2");
    CMB_State1Units = makeCombo("CMB_State1Units");
    CMB_State2Units = makeCombo("CMB_State2Units");
    TXT_State1 = makeBox("TXT_State1");
    TXT_State2 = makeBox("TXT_State2");
    TXT_State1End = makeBox("TXT_State1End");
    TXT_State2End = makeBox("TXT_State2End");
    TXT_State1Inc = makeBox("TXT_State1Inc");
    TXT_State2Inc = makeBox("TXT_State2Inc");
    LBL_State1 = makeLabel("LBL_State1", "&Value:");
    LBL_State2 = makeLabel("LBL_State2", "V&alue:");
    LBL_State1End = makeLabel("LBL_State1End", "2nd Valu&e:");
    LBL_State2End = makeLabel("LBL_State2End", "2nd Valu&e:");
    LBL_State1Inc = makeLabel("LBL_State1Inc", "I&ncrement:");
    LBL_State2Inc = makeLabel("LBL_State2Inc", "&Increment:");
    LBL_State1->setBuddy(TXT_State1);
    LBL_State2->setBuddy(TXT_State2);
    LBL_State1End->setBuddy(TXT_State1End);
    LBL_State2End->setBuddy(TXT_State2End);
    LBL_State1Inc->setBuddy(TXT_State1Inc);
    LBL_State2Inc->setBuddy(TXT_State2Inc);

    BTN_Calculate = new QPushButton("&Calculate", panel);
    BTN_Calculate->setObjectName("BTN_Calculate");
    BTN_Calculate->setGeometry(Px(8220), Px(RowTop1), Px(1500), Px(480));
    BTN_Calculate->setDefault(true);

    rows_[0] = {CMB_State1, CMB_State1Units, LBL_State1, TXT_State1, LBL_State1End, TXT_State1End,
                LBL_State1Inc, TXT_State1Inc, RowTop1};
    rows_[1] = {CMB_State2, CMB_State2Units, LBL_State2, TXT_State2, LBL_State2End, TXT_State2End,
                LBL_State2Inc, TXT_State2Inc, RowTop2};
    for (const RowControls& row : rows_) {
        row.property->setGeometry(Px(PropertyLeft), Px(row.top), Px(PropertyWidth), Px(BoxHeight));
        row.endLabel->setGeometry(Px(LabelLeft), Px(row.top + SecondLineTop + OneLineLabelDrop),
                                  Px(ValueLeft - LabelLeft - 60), Px(BoxHeight - OneLineLabelDrop));
        row.end->setGeometry(Px(ValueLeft), Px(row.top + SecondLineTop), Px(ValueWidth), Px(BoxHeight));
        row.incLabel->setGeometry(Px(IncLabelLeft), Px(row.top + SecondLineTop + OneLineLabelDrop),
                                  Px(IncLabelWidth), Px(BoxHeight - OneLineLabelDrop));
        row.inc->setGeometry(Px(IncLeft), Px(row.top + SecondLineTop), Px(IncWidth), Px(BoxHeight));
        row.endLabel->hide();
        row.end->hide();
        row.incLabel->hide();
        row.inc->hide();
    }

    connect(CMB_State1, &QComboBox::currentIndexChanged, this, [this] { Guarded([this] { CMB_State1_Click(); }); });
    connect(CMB_State2, &QComboBox::currentIndexChanged, this, [this] { Guarded([this] { CMB_State2_Click(); }); });
    connect(CMB_State1Units, &QComboBox::currentIndexChanged, this, [this] { Guarded([this] { Invalidate(); }); });
    connect(CMB_State2Units, &QComboBox::currentIndexChanged, this, [this] { Guarded([this] { Invalidate(); }); });
    for (QLineEdit* box : {TXT_State1, TXT_State1End, TXT_State1Inc, TXT_State2, TXT_State2End, TXT_State2Inc})
        connect(box, &QLineEdit::textChanged, this, [this] { Guarded([this] { TextChanged(); }); });
    connect(TAB_InputMode, &QTabBar::currentChanged, this, [this] { Guarded([this] { TAB_InputMode_Click(); }); });
    connect(BTN_Calculate, &QPushButton::clicked, this, [this] {
        Guarded([this] { BTN_Calculate_Click(); }, [this] { ClearOutput(); });
    });
}

void ThermixMain::PlaceRow(const RowControls& row, const InputRowLayout& layout)
{
    const int valueTop = layout.raised ? row.top - RaiseValue : row.top;
    const int labelTop = layout.raised ? row.top - RaiseLabel : row.top + OneLineLabelDrop;
    row.label->setText(QString::fromStdString(layout.label));
    // Never narrower than the caption in this font.
    const int labelWidth = std::max(Px(layout.labelWidth), row.label->sizeHint().width());
    row.label->setGeometry(Px(LabelLeft), Px(labelTop), labelWidth, Px(BoxHeight - OneLineLabelDrop));
    row.value->setGeometry(Px(ValueLeft), Px(valueTop), Px(ValueWidth), Px(BoxHeight));
    row.units->setGeometry(Px(UnitsLeft), Px(valueTop), Px(UnitsWidth), Px(BoxHeight));
    row.label->setVisible(layout.labelVisible);
    row.value->setVisible(layout.valueVisible);
    if (!layout.unitsVisible)
        row.units->setVisible(false);
    if (!layout.endLabel.empty())
        row.endLabel->setText(QString::fromStdString(layout.endLabel));
    row.endLabel->setVisible(layout.endVisible);
    row.end->setVisible(layout.endVisible);
    row.incLabel->setVisible(layout.incVisible);
    row.inc->setVisible(layout.incVisible);
}

int ThermixMain::SelectedCode(const QComboBox* list) const
{
    return list->currentIndex() < 0 ? -1 : list->currentData().toInt();
}

int ThermixMain::GetInputMode() const
{
    return TAB_InputMode->currentIndex();
}

void ThermixMain::GetRangeSettings(int& mode, double& start, double& end, double& increment) const
{
    mode = GetInputMode();
    start = Value(TXT_State2);
    end = Value(TXT_State2End);
    increment = Value(TXT_State2Inc);
}

int ThermixMain::NumberOfRangeCalcs() const
{
    int mode = 0;
    double start = 0, end = 0, increment = 0;
    GetRangeSettings(mode, start, end, increment);
    return RangePointCount(mode, start, end, increment);
}

int ThermixMain::GetPropertyTypeForRange() const
{
    return GetInputMode() == RangeMode ? SelectedCode(CMB_State2) : -1;
}

void ThermixMain::ClearOutput()
{
    GRD_Output->Model().Clear();
    GRD_Output->Model().SetRows(0);
    for (int tool : OutputTools)
        SetToolEnabled(tool, false);
    SetToolEnabled(ToolCreateGraph, false);
}

void ThermixMain::UpdateInputLabels()
{
    const InputPanelLayout layout = LayoutInputRows(GetInputMode(), SelectedCode(CMB_State1), SelectedCode(CMB_State2));
    PlaceRow(rows_[0], layout[0]);
    PlaceRow(rows_[1], layout[1]);
    // The first row never shows an increment.
    TXT_State1Inc->hide();
    LBL_State1Inc->hide();
}

void ThermixMain::ClearInputProps(bool resetMode)
{
    for (QLineEdit* box : {TXT_State1, TXT_State1End, TXT_State1Inc, TXT_State2, TXT_State2End, TXT_State2Inc})
        box->clear();
    SetTextBoxEditable(TXT_State1, true, false);
    SetTextBoxEditable(TXT_State2, true, false);
    if (resetMode)
        TAB_InputMode->setCurrentIndex(SinglePointMode);
    FocusIfUsable(TXT_State1);
}

bool ThermixMain::CheckCalcButtonEnabled() const
{
    FilledBoxes filled;
    filled.state1 = !TXT_State1->text().isEmpty();
    filled.state1End = !TXT_State1End->text().isEmpty();
    filled.state2 = !TXT_State2->text().isEmpty();
    filled.state2End = !TXT_State2End->text().isEmpty();
    filled.state2Inc = !TXT_State2Inc->text().isEmpty();
    return CalcInputsComplete(GetInputMode(), SelectedCode(CMB_State1), SelectedCode(CMB_State2), filled);
}

bool ThermixMain::CheckInputNumbers(bool emptyAllowed)
{
    for (const RowControls& row : rows_)
        for (auto [box, label] : {std::pair{row.value, row.label}, {row.end, row.endLabel}, {row.inc, row.incLabel}}) {
            if (!box->isVisibleTo(this) || (emptyAllowed && TrimBlanks(Text(box)).empty()))
                continue;
            if (!CheckNumberBox(box, BoxName(row.property, label)))
                return false;
        }
    return true;
}

void ThermixMain::FillDependentPropertyList(QComboBox* list, int code) const
{
    list->clear();
    for (int i = 0; i < OutputPrefs.NumParams; ++i) {
        const int id = OutputPrefs.ParamIds[static_cast<std::size_t>(i)];
        if (id == code || id == PropSaturatedLiquid || id == PropSaturatedVapor || id == PropPhase)
            continue;
        list->addItem(QString::fromStdString(OutputParams(id).Name), id);
    }
    if (list->count() > 0)
        list->setCurrentIndex(0);
}

void ThermixMain::FillPropertyList(int which)
{
    QComboBox* list = which == 1 ? CMB_State1 : CMB_State2;
    std::vector<int> codes;
    int select = 0;
    if (which == 1) {
        codes = PropertyList1Codes();
    } else {
        const int code1 = SelectedCode(CMB_State1);
        const int previous = CMB_State2->count() == 0 ? -1 : SelectedCode(CMB_State2);
        codes = PropertyList2Codes(code1, GetInputMode());
        select = PropertyList2Selection(codes, previous, code1);
    }
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (int code : codes)
            list->addItem(QString::fromStdString(OutputParams(code).Name), code);
        list->setCurrentIndex(-1);
    }
    // Selecting from code raises the list's click handler, as a user's choice does.
    if (select >= 0 && select < list->count())
        list->setCurrentIndex(select);
}

void ThermixMain::FillUnitsForProperty(QComboBox* propertyList, QComboBox* unitList)
{
    const QString remembered = unitList->currentText();
    {
        const QSignalBlocker quiet(unitList);
        unitList->clear();
        unitList->setVisible(true);
        if (propertyList->currentIndex() >= 0) {
            const int code = propertyList->currentData().toInt();
            const PropertyUnitList target = UnitListForProperty(code);
            if (!target.visible)
                unitList->setVisible(false);
            else if (code == PropQuality)
                ShowUnitList(unitList, FillPercentCombo(false));
            else if (target.family >= 0)
                ShowUnitList(unitList, FillUnitCombo(target.family));
        }
    }
    if (unitList->count() > 0 && unitList->currentIndex() < 0) {
        if (remembered.isEmpty())
            unitList->setCurrentIndex(0);
        else
            SelectComboItemByText(unitList, remembered.toStdString());
    }
}

void ThermixMain::SetMainCaption()
{
    setWindowTitle(QString::fromStdString(ProgramTitle + " - " + DocumentName));
}

void ThermixMain::NewInputFile()
{
    DocumentSaved = true;
    ClearInputProps(true);
    FillPropertyList(1);
    CMB_State1->setCurrentIndex(FindComboItemByData(CMB_State1, PropPressure));
    FillPropertyList(2);
    CMB_State2->setCurrentIndex(FindComboItemByData(CMB_State2, PropTemperature));
    TXT_State1->setVisible(true);
    TXT_State2->setVisible(true);
    FocusIfUsable(TXT_State1);
    DocumentName = UntitledDocument;
    CurrentInputFile = UntitledDocument;
    OutputFileName.clear();
    SetMainCaption();
    ClearOutput();
}

void ThermixMain::FocusIfUsable(QLineEdit* box)
{
    if (box->isVisibleTo(this) && box->isEnabled())
        box->setFocus();
}

void ThermixMain::Invalidate()
{
    ClearOutput();
    NoteDocumentChange();
}

void ThermixMain::CMB_State1_Click()
{
    FillPropertyList(2);
    FillUnitsForProperty(CMB_State1, CMB_State1Units);
    UpdateInputLabels();
    if (!CMB_State1Units->isVisibleTo(this))
        TXT_State1->clear();
    ClearOutput();
    BTN_Calculate->setEnabled(CheckCalcButtonEnabled());
    FocusIfUsable(TXT_State1);
    NoteDocumentChange();
}

void ThermixMain::CMB_State2_Click()
{
    FillUnitsForProperty(CMB_State2, CMB_State2Units);
    UpdateInputLabels();
    ClearOutput();
    BTN_Calculate->setEnabled(CheckCalcButtonEnabled());
    FocusIfUsable(TXT_State2);
    NoteDocumentChange();
}

void ThermixMain::TextChanged()
{
    BTN_Calculate->setEnabled(CheckCalcButtonEnabled());
    Invalidate();
}

void ThermixMain::TAB_InputMode_Click()
{
    ClearInputProps(false);
    UpdateInputLabels();
    FillPropertyList(2);
    BTN_Calculate->setEnabled(CheckCalcButtonEnabled());
}

ResultsLayout ThermixMain::CurrentResultsLayout(int mode) const
{
    const int k = mode == SinglePointMode ? 0 : 1;
    ResultsLayout layout;
    layout.mode = mode;
    layout.transposed = OutputPrefs.RowColOrder[static_cast<std::size_t>(k)] != 0;
    layout.wrapHeaders = OutputPrefs.WrapHeaders[static_cast<std::size_t>(k)] == 1;
    const int shortNames = OutputPrefs.UseShortNames[static_cast<std::size_t>(k)];
    const int wrap = OutputPrefs.WrapHeaders[static_cast<std::size_t>(k)];
    for (int i = 0; i < OutputPrefs.NumParams && i < NumOutputParams; ++i) {
        const int id = OutputPrefs.ParamIds[static_cast<std::size_t>(i)];
        const COutputParam& p = OutputParams(id);
        layout.params.push_back({id, GetOutputParamHeader(id, shortNames, wrap, true), p.IsTextValue, p.ShowsUnits()});
    }
    layout.points = NumberOfRangeCalcs();
    layout.decimalSymbol = DecimalSymbol;
    if (mode == RangeMode) {
        int unused = 0;
        GetRangeSettings(unused, layout.rangeStart, layout.rangeEnd, layout.rangeIncrement);
        const int r = GetPropertyTypeForRange();
        COutputParam& p = OutputParams(r);
        // The heading shows the unit typed in the panel, not the display unit.
        const std::string saved = p.Units;
        if (p.HasUnits)
            p.Units = CMB_State2Units->currentText().toStdString();
        layout.rangeHeader = GetOutputParamHeader(r, shortNames, wrap, true);
        layout.rangeHasUnits = p.ShowsUnits();
        p.Units = saved;
    }
    return layout;
}

void ThermixMain::SetupGridHeaders(int mode)
{
    // Sized at once: a refused Range keeps these headings as they are.
    const ResultsLayout layout = CurrentResultsLayout(mode);
    vq::SetupGridHeaders(GRD_Output->Model(), ResultTable, layout);
    SizeGrid(layout);
}

void ThermixMain::FillOutputGrid(int mode)
{
    const int digits = OutputPrefs.Digits;
    vq::FillOutputGrid(GRD_Output->Model(), ResultTable, CurrentResultsLayout(mode),
                       [digits](const std::vector<double>& values) {
                           double largest = 0.0, smallest = 0.0;
                           GetMagnitudeRange(values, largest, smallest);
                           std::vector<std::string> texts;
                           for (double v : values)
                               texts.push_back(IsResultValue(v) ? FormatNumberText(v, largest, smallest, digits)
                                                                : std::string("N/A"));
                           return texts;
                       });
}

void ThermixMain::SizeOutputGrid()
{
    SizeGrid(CurrentResultsLayout(GetInputMode()));
}

void ThermixMain::SizeGrid(const ResultsLayout& layout)
{
    GridModel& grid = GRD_Output->Model();
    GRD_Output->AutoSizeColumns(0, grid.Cols() - 1);
    SizeOutputRows(grid, layout);
    // The end of a fill: the view shows it before anything else is drawn.
    GRD_Output->Refresh();
}

bool ThermixMain::RangeCheck()
{
    if (GetPropertyTypeForRange() < 0)
        return true;
    int mode = 0;
    double start = 0, end = 0, increment = 0;
    GetRangeSettings(mode, start, end, increment);
    switch (CheckRange(start, end, increment)) {
    case RangeVerdict::Ok: break;
    case RangeVerdict::EndNotAboveStart:
        CurrentUserInterface().SetBusy(false);
        CurrentUserInterface().Message("The end of the range must be larger then the start.",
                                       MessageStyle::Information, ProgramTitle);
        FocusIfUsable(TXT_State2End);
        return false;
    case RangeVerdict::IncrementNotPositive:
        CurrentUserInterface().SetBusy(false);
        CurrentUserInterface().Message("The range increment must be greater than zero.",
                                       MessageStyle::Information, ProgramTitle);
        FocusIfUsable(TXT_State2Inc);
        return false;
    case RangeVerdict::IncrementTooSmall:
        CurrentUserInterface().SetBusy(false);
        RefuseNumberBox(TXT_State2Inc, "The " + BoxName(CMB_State2, LBL_State2Inc) + " box holds \"" +
                                           Text(TXT_State2Inc) + "\", which is too small to change the " +
                                           CMB_State2->currentText().toStdString() + ".");
        return false;
    }
    TellRangeCut(start, end, increment);
    return true;
}

void ThermixMain::TellRangeCut(double start, double end, double increment)
{
    const double held = RangeHeldPoints(start, end, increment);
    if (held <= MaxRangePoints)
        return;
    const std::string count = held < 1e15 ? std::to_string(static_cast<long long>(held)) : "more than 10^15";
    const std::string last = DefaultDoubleText(RangePointValue(start, end, increment, MaxRangePoints), DecimalSymbol);
    UserInterface& ui = CurrentUserInterface();
    ui.SetBusy(false);
    ui.Message("The range holds " + count + " points. Only the first " + std::to_string(MaxRangePoints) +
                   " are calculated, up to " + last + " " + CMB_State2Units->currentText().toStdString() + ".",
               MessageStyle::Information, ProgramTitle);
    ui.SetBusy(true);
}

bool ThermixMain::RunPoint(int point, const PointInputs& inputs, int panelCode1, int panelCode2)
{
    return pointSource_ ? pointSource_(point, inputs, panelCode1, panelCode2)
                        : CalculatePointWithSelectedSource(point, inputs, panelCode1, panelCode2);
}

namespace {

// The pair as a property source takes it in Two Points: the saturated code second.
PointInputs SaturatedSecond(const PointInputs& in)
{
    if (!IsSaturationInputCode(in.code1))
        return in;
    return {in.code2, in.value2, in.units2, in.code1, in.value1, in.units1};
}

} // namespace

bool ThermixMain::CalculateSinglePoint()
{
    const PointInputs in{SelectedCode(CMB_State1), Value(TXT_State1), CMB_State1Units->currentText().toStdString(),
                         SelectedCode(CMB_State2), Value(TXT_State2), CMB_State2Units->currentText().toStdString()};
    return !RunPoint(1, in, in.code1, in.code2);
}

bool ThermixMain::CalculateTwoPoints()
{
    PointInputs in{SelectedCode(CMB_State1), Value(TXT_State1), CMB_State1Units->currentText().toStdString(),
                   SelectedCode(CMB_State2), Value(TXT_State2), CMB_State2Units->currentText().toStdString()};
    const bool sat1 = IsSaturationInputCode(in.code1);
    const bool sat2 = IsSaturationInputCode(in.code2);
    if ((sat1 && in.code2 != PropPressure && in.code2 != PropTemperature) ||
        (sat2 && in.code1 != PropPressure && in.code1 != PropTemperature)) {
        CurrentUserInterface().Message("Two point saturation calculations can only be made using Pressure or Temperature.",
                                       MessageStyle::Exclamation, ProgramTitle);
        return false;
    }
    if (RunPoint(1, SaturatedSecond(in), in.code1, in.code2))
        return false;
    // The second point: the other saturated state, or the end values.
    auto other = [](int code) { return code == PropSaturatedLiquid ? PropSaturatedVapor : PropSaturatedLiquid; };
    if (sat2) {
        in.code2 = other(in.code2);
    } else if (sat1) {
        in.code1 = other(in.code1);
    } else {
        in.value1 = Value(TXT_State1End);
        in.value2 = Value(TXT_State2End);
    }
    if (RunPoint(2, SaturatedSecond(in), in.code1, in.code2))
        return false;
    StoreDifference();
    return true;
}

void ThermixMain::StoreDifference()
{
    const bool f = OutputPrefs.RowColOrder[1] != 0;
    for (int i = 1; i <= OutputPrefs.NumParams && i <= NumOutputParams; ++i) {
        const COutputParam& p = OutputParams(OutputPrefs.ParamIds[static_cast<std::size_t>(i - 1)]);
        auto at = [&](int j) -> double& { return f ? ResultTable(j, i) : ResultTable(i, j); };
        if (!ResultTable.Contains(f ? 3 : i, f ? i : 3))
            continue;
        const double first = at(1), second = at(2);
        at(3) = !p.IsTextValue && IsResultValue(first) && IsResultValue(second) ? second - first : NotApplicableValue;
    }
}

bool ThermixMain::CalculateRange(bool& refused)
{
    refused = false;
    if (!RangeCheck()) {
        refused = true;
        return false;
    }
    PointInputs in{SelectedCode(CMB_State1), Value(TXT_State1), CMB_State1Units->currentText().toStdString(),
                   SelectedCode(CMB_State2), Value(TXT_State2), CMB_State2Units->currentText().toStdString()};
    int mode = 0;
    double start = 0, end = 0, increment = 0;
    GetRangeSettings(mode, start, end, increment);
    const int n = NumberOfRangeCalcs();
    for (int i = 1; i <= n; ++i) {
        const double x = RangePointValue(start, end, increment, i);
        const int r = GetPropertyTypeForRange();
        if (r == in.code1)
            in.value1 = x;
        else if (r == in.code2)
            in.value2 = x;
        if (RunPoint(i, in, in.code1, in.code2))
            return false;
    }
    return true;
}

void ThermixMain::OpenResultTools()
{
    for (int tool : OutputTools)
        SetToolEnabled(tool, true);
    SetToolEnabled(ToolCreateGraph, GetPropertyTypeForRange() >= 0);
}

void ThermixMain::BTN_Calculate_Click()
{
    if (!CheckInputNumbers(false)) {
        ClearOutput();
        return;
    }
    UserInterface& ui = CurrentUserInterface();
    ui.SetBusy(true);
    const int mode = GetInputMode();
    SetupGridHeaders(mode);
    bool ok = false;
    switch (mode) {
    case SinglePointMode: ok = CalculateSinglePoint(); break;
    case TwoPointsMode: ok = CalculateTwoPoints(); break;
    case RangeMode: {
        bool refused = false;
        ok = CalculateRange(refused);
        if (refused)
            return; // the headers stay, without values
        break;
    }
    default: break;
    }
    if (!ok) {
        ClearOutput();
        ui.SetBusy(false);
        return;
    }
    FillOutputGrid(mode);
    SizeOutputGrid();
    ui.SetBusy(false);
    OpenResultTools();
}

void ThermixMain::closeEvent(QCloseEvent* event)
{
    // A cancelled save-changes question keeps the window open; the exit command has
    // run the exit sequence already.
    if (closingByProgram_) {
        event->accept();
        return;
    }
    if (ExitProgram(false)) {
        event->ignore();
        return;
    }
    closingByProgram_ = true;
    event->accept();
    EndProgram();
}

void ThermixMain::CommitSessionData(SessionRequest& request)
{
    // The session manager is asked for its leave only when there is something to ask;
    // without it nothing may wait for the user, a failure message included.
    const SettingsCommandScope command;
    const bool asking = !DocumentSaved && request.AllowsQuestion();
    if (asking && QuerySaveChanges()) {
        request.Cancel();
        return;
    }
    if (asking)
        SaveSettingsAtExit();
    else
        SaveSettingsAtExitUnattended();
    sessionCommitted_ = true;
    committedChanges_ = DocumentChanges;
}

void ThermixMain::EndWithSession()
{
    // The session manager has had the answers and the settings are written.
    ReleaseObjectArrays();
    closingByProgram_ = true;
    close();
    EndProgram();
}

void ThermixMain::SaveSettingsAtSignal()
{
    if (closingByProgram_)
        return;
    const SettingsCommandScope command;
    SaveSettingsAtExitUnattended();
}

} // namespace vq
