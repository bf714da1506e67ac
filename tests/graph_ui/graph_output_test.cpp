// The graph window's outputs: image files, printing, the clipboard, the customisation
// dialog, the window's own opening and closing, and a picture of a real graph.
#include "graph_window_fixture.h"

#include "common/common_dialog_errors.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "printing/graph_customize_dialog.h"
#include "printing/graph_logic.h"
#include "printing/print_hand_over.h"
#include "scripted_file_dialogs.h"
#include "temp_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLineEdit>
#include <QSpinBox>
#include <QPrinter>
#include <QTimer>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

namespace vq {
namespace {

class GraphOutputTest : public test::GraphWindowTest {
protected:
    void SetUp() override
    {
        GraphWindowTest::SetUp();
        CalculateRange("100", "400", "100");
        form = OpenForm();
        Choose(form->CMB_StateDependent, PropEnthalpy);
        form->BTN_UpdateGraph->click();
        ASSERT_TRUE(form->GRA_Curve->IsDrawn());
        form->SetSaveDialogRunner([this](std::string& name) {
            name = saveAs;
            return saveError;
        });
        ui.Clear();
    }
    void TearDown() override { SetHandOverRefusalSource({}); }

    static QByteArray FormatOf(const std::string& path)
    {
        QImageReader reader(QString::fromStdString(path));
        return reader.format();
    }

    std::unique_ptr<GraphPropertiesForm> form;
    test::WorkingFolderGuard workingFolder; // a saved image's folder becomes the working folder
    test::TempFolder folder;
    std::string saveAs;
    int saveError = 0;
};

TEST_F(GraphOutputTest, SavesTheImageInTheFormatOfItsExtension)
{
    saveAs = folder.File("graph.jpg");
    form->BTN_Save->click();
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(FormatOf(saveAs), "jpeg");
    EXPECT_EQ(form->GRA_Curve->Action(), GraphActionWriteFile);
    EXPECT_EQ(ui.busyCalls, (std::vector<bool>{true, false}));

    // "bmp" switches to bitmap drawing, and the chart is drawn again after writing.
    saveAs = folder.File("graph.bmp");
    form->BTN_Save->click();
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(FormatOf(saveAs), "bmp");
    EXPECT_EQ(form->GRA_Curve->Action(), GraphActionDraw);
    EXPECT_TRUE(form->GRA_Curve->IsDrawn());

    // An upper-case ending is written as a bitmap too, without the switch.
    saveAs = folder.File("GRAPH.BMP");
    form->BTN_Save->click();
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(FormatOf(saveAs), "bmp");
    EXPECT_EQ(form->GRA_Curve->Action(), GraphActionWriteFile);

    // A file that is there is replaced whole.
    saveAs = folder.File("graph.jpg");
    form->BTN_Save->click();
    EXPECT_EQ(FormatOf(saveAs), "jpeg");
    for (const std::string& name : folder.Entries())
        EXPECT_TRUE(name == "graph.jpg" || name == "graph.bmp" || name == "GRAPH.BMP") << name;
}

TEST_F(GraphOutputTest, ABareNameIsSavedWithTheExtensionOfTheTypeChosen)
{
    // The dialog gives back "chart" with PNG chosen.
    form->SetSaveDialogRunner({});
    test::ScriptedFileDialogs dialogs;
    dialogs.answers = {{0, folder.File("chart"), "chart", 4}};
    form->BTN_Save->click();
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"chart.png"});
    EXPECT_EQ(FormatOf(folder.File("chart.png")), "png");
}

TEST_F(GraphOutputTest, TheFolderOfTheSavedImageIsTheWorkingFolder)
{
    const std::filesystem::path started = std::filesystem::current_path();
    const std::filesystem::path charts = folder.Path() / "charts";
    std::filesystem::create_directory(charts);
    saveAs = (charts / "graph.png").string();
    form->BTN_Save->click();
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(started);
    EXPECT_EQ(working, charts);
}

TEST_F(GraphOutputTest, EveryOfferedTypeIsWrittenAsAPictureOfTheGraph)
{
    std::set<std::string> offered;
    for (const QString& filter : GraphSaveFilters()) {
        const std::string type = filter.section("*.", 1).chopped(1).toStdString();
        offered.insert(type);
        saveAs = folder.File("graph." + type);
        form->BTN_Save->click();
        EXPECT_TRUE(ui.messages.empty()) << type << ": " << ui.LastMessage();
        ui.Clear();
        if (type == "svg") {
            std::ifstream in(saveAs);
            const std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_NE(svg.find("<svg"), std::string::npos);
            EXPECT_NE(svg.find(form->GRA_Curve->GraphTitle().toStdString()), std::string::npos);
            continue;
        }
        const QImage image(QString::fromStdString(saveAs));
        ASSERT_FALSE(image.isNull()) << type;
        // The curve's blue and the black of frame and labels are on the picture.
        int blue = 0, dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                blue += c.blue() > c.red() + 60 ? 1 : 0;
                dark += c.lightness() < 100 ? 1 : 0;
            }
        EXPECT_GT(blue, 200) << type;
        EXPECT_GT(dark, 500) << type;
        EXPECT_LT(dark, image.width() * image.height() / 4) << type;
    }
    EXPECT_EQ(offered, (std::set<std::string>{"png", "jpg", "bmp", "svg"}));
}

TEST_F(GraphOutputTest, FormatsThatCannotBeWrittenAndFailedWritesAreSaid)
{
    const auto types = GraphChart::WritableImageTypes();
    const bool canWmf = std::find(types.begin(), types.end(), "wmf") != types.end();
    if (!canWmf) {
        saveAs = folder.File("graph.wmf");
        form->BTN_Save->click();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "The following error occurred while saving to file:\r\n\r\n      " + saveAs
                                           + ": Graphs cannot be saved in the WMF format. Choose PNG (*.png), "
                                             "JPEG (*.jpg), Bitmap (*.bmp) or SVG (*.svg).");
        EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
        EXPECT_EQ(ui.messages[0].title, ProgramTitle);
        EXPECT_EQ(ui.beeps, 1);
        EXPECT_FALSE(std::filesystem::exists(saveAs));
        ui.Clear();
    }

    saveAs = folder.File("graph");
    form->BTN_Save->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.LastMessage().find("no extension"), std::string::npos) << ui.LastMessage();
    ui.Clear();

    // A folder that does not exist: said, nothing written, and no busy pointer left.
    saveAs = folder.File("missing/graph.jpg");
    form->BTN_Save->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.LastMessage().rfind("The following error occurred while saving to file:\r\n\r\n      " + saveAs, 0),
              0u)
        << ui.LastMessage();
    EXPECT_FALSE(ui.busyCalls.empty());
    EXPECT_FALSE(ui.busyCalls.back());
    ui.Clear();

    // An old file survives a failed write.
    saveAs = folder.File("old.jpg");
    std::ofstream(saveAs) << "old";
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(folder.Path().c_str(), W_OK) != 0) {
        form->BTN_Save->click();
        EXPECT_EQ(ui.messages.size(), 1u);
        std::ifstream in(saveAs);
        std::string content;
        in >> content;
        EXPECT_EQ(content, "old");
    }
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
}

TEST_F(GraphOutputTest, DialogCancelIsSilentAndDialogErrorsAreSaid)
{
    saveAs = folder.File("graph.jpg");
    saveError = CommonDialogCancelError;
    form->BTN_Save->click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.beeps, 0);
    EXPECT_FALSE(std::filesystem::exists(saveAs));

    saveError = 32751;
    form->BTN_Save->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The following error occurred while saving to file:\r\n\r\n      " + GetCommonDialogErrorText(32751));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_FALSE(std::filesystem::exists(saveAs));
    ui.Clear();

    int printError = CommonDialogCancelError;
    form->SetPrintDialogRunner([&printError](QPrinter&) { return printError; });
    form->BTN_Print->click();
    EXPECT_TRUE(ui.messages.empty());
    printError = 32752;
    form->BTN_Print->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The following error occurred while printing:\r\n\r\n      " + GetCommonDialogErrorText(32752));
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(ui.beeps, 1);
}

TEST_F(GraphOutputTest, PrintsOneJobPerCopy)
{
    const std::string pdf = folder.File("graph.pdf");
    int dialogs = 0;
    form->SetPrintDialogRunner([&](QPrinter& printer) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printer.setCopyCount(2);
        return 0;
    });
    form->BTN_Print->click();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    std::ifstream in(pdf, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    // Busy for the print jobs, then back.
    ASSERT_FALSE(ui.busyCalls.empty());
    EXPECT_TRUE(ui.busyCalls.front());
    EXPECT_FALSE(ui.busyCalls.back());
    EXPECT_EQ(form->GRA_Curve->Action(), GraphActionPrint);
}

TEST_F(GraphOutputTest, AJobThePrintSystemRefusesIsSaidAndNoFurtherCopyIsSent)
{
    std::string refusal = "Destination \"Q\" is not accepting jobs.";
    int answers = 0;
    SetHandOverRefusalSource([&](const QPrinter&) {
        ++answers;
        return refusal;
    });
    form->SetPrintDialogRunner([&](QPrinter& printer) {
        printer.setOutputFileName(QString::fromStdString(folder.File("graph.pdf")));
        printer.setCopyCount(3);
        return 0;
    });
    form->show();
    form->BTN_Print->click();
    EXPECT_EQ(ui.LastMessage(), "The following error occurred while printing:\r\n\r\n      " + refusal);
    EXPECT_EQ(answers, 1) << "no copy after the refused one";
    EXPECT_TRUE(form->isVisible());

    // The next jobs are taken: each answer is read once, for its own job.
    refusal.clear();
    ui.Clear();
    form->BTN_Print->click();
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(answers, 4);
}

TEST_F(GraphOutputTest, CopiesThePictureToTheClipboard)
{
    QApplication::clipboard()->clear();
    form->BTN_Copy->click();
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_GE(copied.width(), 320);
    EXPECT_EQ(form->GRA_Curve->Action(), GraphActionCopy);
}

TEST_F(GraphOutputTest, CustomisingRedrawsWithTheNewScales)
{
    GraphChart& chart = *form->GRA_Curve;
    EXPECT_EQ(chart.BottomScaleMode(), GraphScaleRounded);
    // Points at 100 to 400 deg. F; the vertical values 100 apart.
    const int k = GraphParameterPosition(OutputPrefs, PropEnthalpy);
    EXPECT_LE(chart.LeftMin(), 100.0f + k);
    EXPECT_EQ(std::fmod(chart.LeftMin(), 50.0f), 0.0f);
    int opened = 0;
    chart.SetCustomizeRunner([&opened](GraphCustomizeDialog& d) {
        ++opened;
        d.leftAxis.scale->setCurrentIndex(d.leftAxis.scale->findData(GraphScaleData));
        d.gridLines->setChecked(false);
        d.accept();
        return d.result();
    });
    form->BTN_CustomizeGraph->click();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_TRUE(chart.IsDrawn());
    EXPECT_FALSE(chart.GridLines());
    EXPECT_EQ(chart.LeftScaleMode(), GraphScaleData);
    EXPECT_EQ(chart.LeftMin(), 100.0f + k);
    EXPECT_EQ(chart.LeftMax(), 400.0f + k);
    EXPECT_EQ(chart.BottomMin(), 100.0f);
    EXPECT_EQ(chart.BottomMax(), 400.0f);
    EXPECT_EQ(chart.LeftLabelFormat(), "###,###,##0");
    EXPECT_TRUE(ResultButtons(*form));
}

// Ink of the curve on a picture of the chart.
int CurvePixels(const GraphChart& chart)
{
    const QImage picture = chart.Picture(QSize(800, 600));
    int ink = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ink += picture.pixelColor(x, y) == QColor(0, 70, 170) ? 1 : 0;
    return ink;
}

TEST_F(GraphOutputTest, CustomisedTitlesScalesAndLineReachTheDrawnChartAndItsFile)
{
    GraphChart& chart = *form->GRA_Curve;
    const QString programTitle = chart.GraphTitle();
    chart.SetCustomizeRunner([this, &programTitle](GraphCustomizeDialog& d) {
        EXPECT_EQ(d.graphTitle->text(), programTitle);
        d.graphTitle->setText("Heating at 150 psia");
        d.bottomTitle->setText("Water temperature");
        d.leftTitle->setText("Specific enthalpy");
        d.leftAxis.scale->setCurrentIndex(d.leftAxis.scale->findData(GraphScaleFixed));
        d.leftAxis.min->setText("1.2.3");
        d.leftAxis.max->setText("1,000");
        d.accept();
        EXPECT_EQ(ui.messages.size(), 1u) << "bad bounds keep the dialog open";
        d.leftAxis.min->setText("5000");
        d.accept();
        EXPECT_EQ(ui.messages.size(), 2u) << "a minimum above the maximum keeps the dialog open";
        d.leftAxis.min->setText("0");
        d.lineStyle->setCurrentIndex(d.lineStyle->findData(static_cast<int>(Qt::DashLine)));
        d.lineWidth->setValue(4);
        d.accept();
        return d.result();
    });
    form->BTN_CustomizeGraph->click();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "The vertical axis minimum box holds \"1.2.3\", which is not a number.");
    EXPECT_EQ(ui.messages[1].text,
              "The fixed scale of the vertical axis needs two numbers, the minimum below the maximum.");
    ASSERT_TRUE(chart.IsDrawn());
    EXPECT_EQ(chart.ShownGraphTitle(), "Heating at 150 psia");
    EXPECT_EQ(chart.ShownBottomTitle(), "Water temperature");
    EXPECT_EQ(chart.ShownLeftTitle(), "Specific enthalpy");
    EXPECT_EQ(chart.LeftScaleMode(), GraphScaleFixed);
    EXPECT_EQ(chart.LeftMin(), 0.0f);
    EXPECT_EQ(chart.LeftMax(), 1000.0f);
    EXPECT_EQ(chart.LeftLabelFormat(), "###,###,##0");

    // The line as chosen: dashed and four times as wide.
    const int customised = CurvePixels(chart);
    chart.SetLinePenStyle(Qt::SolidLine);
    const int solidWide = CurvePixels(chart);
    chart.SetLineWidth(1);
    const int solidThin = CurvePixels(chart);
    EXPECT_GT(customised, 3 * solidThin);
    EXPECT_LT(customised, solidWide * 9 / 10);

    // The saved picture holds the customised titles.
    saveAs = folder.File("custom.svg");
    form->BTN_Save->click();
    std::ifstream in(saveAs);
    const std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* text : {"Heating at 150 psia", "Water temperature", "Specific enthalpy"})
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    EXPECT_EQ(svg.find(programTitle.toStdString()), std::string::npos);

    // Another vertical unit drops the vertical customisations; the rest stay.
    form->CMB_StateDependentUnits->setCurrentIndex(form->CMB_StateDependentUnits->currentIndex() == 0 ? 1 : 0);
    form->BTN_UpdateGraph->click();
    EXPECT_EQ(chart.ShownLeftTitle(), chart.LeftTitle());
    EXPECT_EQ(chart.LeftScaleMode(), GraphScaleRounded);
    EXPECT_EQ(chart.ShownGraphTitle(), "Heating at 150 psia");
    EXPECT_EQ(chart.ShownBottomTitle(), "Water temperature");
}

// Pixels of the curve's blue on a picture.
std::vector<QPoint> BluePixels(const QImage& picture)
{
    std::vector<QPoint> blue;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.blue() > c.red() + 60 && c.blue() > c.green() + 40)
                blue.push_back({x, y});
        }
    return blue;
}

TEST_F(GraphOutputTest, TheSavedSvgCutsTheCurveAtThePlotAsTheBitmapsDo)
{
    // Fixed scales narrower than the data: the diagonal runs past two corners of the plot.
    const int k = GraphParameterPosition(OutputPrefs, PropEnthalpy);
    form->GRA_Curve->SetCustomizeRunner([k](GraphCustomizeDialog& d) {
        for (auto [axis, min, max] : {std::tuple{&d.bottomAxis, 150, 350}, {&d.leftAxis, 150 + k, 350 + k}}) {
            axis->scale->setCurrentIndex(axis->scale->findData(GraphScaleFixed));
            axis->min->setText(QString::number(min));
            axis->max->setText(QString::number(max));
        }
        d.accept();
        return d.result();
    });
    form->BTN_CustomizeGraph->click();
    ASSERT_EQ(form->GRA_Curve->LeftScaleMode(), GraphScaleFixed);
    saveAs = folder.File("graph.png");
    form->BTN_Save->click();
    saveAs = folder.File("graph.svg");
    form->BTN_Save->click();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();

    // Qt's own SVG renderer ignores clipping: the file is drawn by another one.
    const QImage bitmap(QString::fromStdString(folder.File("graph.png")));
    ASSERT_FALSE(bitmap.isNull());
    const std::string drawn = folder.File("svg.png");
    const std::string command = "rsvg-convert -w " + std::to_string(bitmap.width()) + " -h " +
                                std::to_string(bitmap.height()) + " -b white -o '" + drawn + "' '" +
                                folder.File("graph.svg") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command << " (librsvg2-bin)";
    const QImage svg(QString::fromStdString(drawn));
    ASSERT_EQ(svg.size(), bitmap.size());

    QRect plot;
    for (const QPoint& p : BluePixels(bitmap))
        plot |= QRect(p, QSize(1, 1));
    ASSERT_GT(plot.width(), bitmap.width() / 3);
    const QRect allowed = plot.adjusted(-2, -2, 2, 2);
    int outside = 0;
    const std::vector<QPoint> curve = BluePixels(svg);
    for (const QPoint& p : curve)
        outside += allowed.contains(p) ? 0 : 1;
    EXPECT_GT(curve.size(), 200u);
    EXPECT_EQ(outside, 0) << "of " << curve.size() << " blue pixels, beyond the plot " << plot.x() << "," << plot.y()
                          << " " << plot.width() << "x" << plot.height();
}

TEST_F(GraphOutputTest, TheCommandOpensTheWindowModallyAndReturnsWhenItCloses)
{
    bool sawWindow = false;
    bool wasSettingUp = true;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<GraphPropertiesForm*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        sawWindow = shown->isVisible();
        wasSettingUp = shown->SettingUp;
        EXPECT_EQ(shown->CMB_StateIndependent->currentData().toInt(), PropTemperature);
        EXPECT_FALSE(shown->BTN_Copy->isEnabled());
        shown->BTN_Close->click();
    });
    // The Create Graph tool of the main window runs the command.
    main->ABR_Main_Click(ToolCreateGraph);
    EXPECT_TRUE(sawWindow);
    EXPECT_FALSE(wasSettingUp);
    EXPECT_EQ(main->findChildren<GraphPropertiesForm*>().size(), 1u) << "only the fixture's own window is left";
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
}

// A graph of a real IF97 Range, kept as a build artefact (build/artefacts/graph.png,
// or the file VAPOQUANT_GRAPH_PICTURE names).
TEST(GraphPicture, EnthalpyAcrossTheSaturationLine)
{
    test::RecordingUserInterface ui;
    test::SetUpProgramTables(UnitSystemSI);
    UseIF97 = true;
    ThermixMain main;
    main.NewInputFile();
    main.TAB_InputMode->setCurrentIndex(RangeMode);
    main.CMB_State1Units->setCurrentIndex(main.CMB_State1Units->findText("MPa"));
    main.CMB_State2Units->setCurrentIndex(main.CMB_State2Units->findText("deg. C"));
    main.TXT_State1->setText("1");
    main.TXT_State2->setText("20");
    main.TXT_State2End->setText("400");
    main.TXT_State2Inc->setText("10");
    ui.mode = RangeMode;
    main.BTN_Calculate_Click();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();

    GraphPropertiesForm form(main);
    form.LoadFromMain();
    form.SettingUp = false;
    form.CMB_StateDependent->setCurrentIndex(form.CMB_StateDependent->findData(PropEnthalpy));
    form.BTN_UpdateGraph->click();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
    const GraphChart& chart = *form.GRA_Curve;
    ASSERT_EQ(chart.PointCount(), 39);
    // Liquid at 20 deg. C (about 84.8 kJ/kg) to steam at 400 deg. C (about 3264 kJ/kg).
    EXPECT_NEAR(chart.DataValue(1), 84.8, 0.5);
    EXPECT_NEAR(chart.DataValue(39), 3264.0, 2.0);
    EXPECT_EQ(chart.GraphTitle(), "Enthalpy vs. Temperature - Pressure = 1 MPa");

    const QImage picture = chart.Picture(QSize(800, 600));
    // The curve's colour is on the picture.
    int ink = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) == QColor(0, 70, 170))
                ++ink;
    EXPECT_GT(ink, 200);

    QString path = qEnvironmentVariable("VAPOQUANT_GRAPH_PICTURE");
    if (path.isEmpty()) {
        QDir artefacts(QCoreApplication::applicationDirPath() + "/../artefacts");
        artefacts.mkpath(".");
        path = artefacts.filePath("graph.png");
    }
    EXPECT_TRUE(picture.save(path, "PNG")) << path.toStdString();
    const QString window = QFileInfo(path).dir().filePath("graph-window.png");
    EXPECT_TRUE(form.grab().save(window, "PNG")) << window.toStdString();
}

} // namespace
} // namespace vq
