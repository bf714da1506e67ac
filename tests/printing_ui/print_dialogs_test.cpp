#include "print_ui_fixture.h"

#include "printing/output_report.h"
#include "printing/print_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vq {
namespace {

using PrintDialogsTest = test::PrintUiTest;

TEST_F(PrintDialogsTest, PrintContentAppliesTheSectionChoices)
{
    main->Sections().SetPrintFormatGeneralUse(0, false);
    PrintFormatForm form(*main);
    EXPECT_EQ(form.windowTitle(), "Print Content");
    ASSERT_EQ(form.LST_General->count(), 2);
    EXPECT_EQ(form.LST_General->item(0)->text(), "Input Data");
    EXPECT_FALSE(form.LST_General->item(0)->isSelected());
    EXPECT_TRUE(form.LST_General->item(1)->isSelected());
    EXPECT_EQ(form.LST_General->currentItem(), nullptr);
    EXPECT_FALSE(form.FRA_Font->isHidden());
    EXPECT_TRUE(form.FRM_Format->isHidden());

    form.LST_General->item(0)->setSelected(true);
    form.LST_General->item(1)->setSelected(false);
    form.CHK_NewPage->setChecked(true);
    form.BTN_Cancel_Click();
    EXPECT_FALSE(main->Sections().PrintFormatGeneralUse(0));

    form.BTN_OK_Click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(main->Sections().PrintFormatGeneralUse(0));
    EXPECT_FALSE(main->Sections().PrintFormatGeneralUse(1));
    EXPECT_TRUE(main->Sections().PrintSectionNewPage);

    form.SetFormatType(2);
    EXPECT_EQ(form.windowTitle(), "Save Output");
    EXPECT_TRUE(form.FRA_Font->isHidden());
    EXPECT_TRUE(form.FRM_Format->isHidden());
    form.SetFormatType(7);
    EXPECT_EQ(form.FormatType(), 2);
}

TEST_F(PrintDialogsTest, ExportAsksForAFileAndWritesItsFormat)
{
    PrintFormatForm form(*main);
    form.SetFormatType(1);
    EXPECT_EQ(form.windowTitle(), "Export Output");
    EXPECT_FALSE(form.FRM_Format->isHidden());
    EXPECT_TRUE(form.FRA_Font->isHidden());
    form.OPT_Format[2]->setChecked(true);
    form.CHK_Quotes->setChecked(true);

    // Cancel in the file dialog: nothing written, the dialog stays open.
    dialogs.saveError = CommonDialogCancelError;
    dialogs.saveName = folder.File("out.txt");
    form.BTN_OK_Click();
    EXPECT_FALSE(std::filesystem::exists(dialogs.saveName));
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(dialogs.saveTitles.back(), "Export Output As");
    EXPECT_EQ(dialogs.lastFilter, "Text (*.txt)|*.txt|Data (*.dat)|*.dat|CSV (*.csv)|*.csv");

    // A file that cannot be written is reported and the dialog stays open.
    dialogs.saveError = 0;
    dialogs.saveName = folder.File("missing/out.txt");
    form.BTN_OK_Click();
    EXPECT_EQ(ui.LastMessage().rfind("The following error occurred while saving to file:\r\n\r\n      ", 0), 0u);
    EXPECT_EQ(form.result(), 0);

    dialogs.saveName = folder.File("out.txt");
    form.BTN_OK_Click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    std::stringstream content;
    content << std::ifstream(dialogs.saveName).rdbuf();
    EXPECT_NE(content.str().find("\"Enthalpy 1\"  \" 2777.11 \"  \"N/A\"\r\n"), std::string::npos) << content.str();
}

TEST_F(PrintDialogsTest, SaveOutputWritesTheReportFile)
{
    OutputFileName = folder.File("report.out");
    PrintFormatForm form(*main);
    form.SetFormatType(2);
    form.BTN_OK_Click();
    EXPECT_TRUE(std::filesystem::exists(OutputFileName));
    EXPECT_EQ(form.result(), QDialog::Accepted);

    // Save Output As, cancelled, keeps the file name.
    dialogs.saveError = CommonDialogCancelError;
    PrintFormatForm again(*main);
    again.SetFormatType(3);
    again.BTN_OK_Click();
    EXPECT_EQ(dialogs.saveTitles.back(), "Save Output As");
    EXPECT_EQ(OutputFileName, folder.File("report.out"));
    OutputFileName.clear();
}

TEST_F(PrintDialogsTest, RangeNeverRunsBackwards)
{
    PrintRangeForm range(main.get());
    EXPECT_EQ(range.windowTitle(), "Print Range");
    range.SetPageCount(7);
    EXPECT_EQ(range.CMB_StartPage->currentText(), "1");
    EXPECT_EQ(range.CMB_StopPage->currentText(), "7");
    range.CMB_StopPage->setCurrentIndex(2);
    range.CMB_StartPage->setCurrentIndex(4);
    range.CMB_StartPage_Click();
    EXPECT_EQ(range.CMB_StopPage->currentText(), "5");
    range.CMB_StopPage->setCurrentIndex(1);
    range.CMB_StopPage_Click();
    EXPECT_EQ(range.CMB_StartPage->currentText(), "2");
    EXPECT_FALSE(range.Cancelled());
    range.reject(); // close box or Escape
    EXPECT_TRUE(range.Cancelled());
}

TEST_F(PrintDialogsTest, QuickPrintAppliesTheOrientationAndKeepsItsContentDialog)
{
    host.page.Orientation = 1;
    PrintSpecialForm quick(*main);
    EXPECT_EQ(quick.windowTitle(), "Print Preview");
    EXPECT_TRUE(quick.OPT_Orient[1]->isChecked());
    EXPECT_TRUE(quick.imgOrient[0]->isHidden());

    // Print Content opens over it and leaves it open.
    QTimer::singleShot(0, [] {
        auto* content = qobject_cast<PrintFormatForm*>(QApplication::activeModalWidget());
        ASSERT_NE(content, nullptr);
        EXPECT_EQ(content->windowTitle(), "Print Content");
        content->BTN_Cancel_Click();
    });
    quick.BTN_PrintFormat_Click();
    EXPECT_EQ(quick.result(), 0);

    quick.OPT_Orient[0]->setChecked(true);
    EXPECT_TRUE(quick.imgOrient[1]->isHidden());
    quick.BTN_Preview_Click();
    EXPECT_EQ(host.page.Orientation, 0);
    PrinterForm* form = LoadedPrinterForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Preview());
    EXPECT_EQ(form->vsPrinter.Orientation(), 0);
    EXPECT_GT(form->vsPrinter.PageCount(), 0);
    EXPECT_EQ(quick.result(), QDialog::Accepted);
}

} // namespace
} // namespace vq
