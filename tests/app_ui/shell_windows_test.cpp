#include "printing/layout/print_sections.h"
#include "app/shell_windows.h"
#include "common/program_identity.h"
#include "recording_user_interface.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace vq {
namespace {

SolutionChoice TwoSolutions()
{
    SolutionChoice c;
    c.tsat = {150.5, 210.25};
    c.tsatUnits = {"C", "C"};
    c.psat = {0.4763, 1.9};
    c.psatUnits = {"MPa", "MPa"};
    return c;
}

TEST(MultipleSolutionResultsForm, ShowsBothSolutionsAndAnyCloseChooses)
{
    test::RecordingUserInterface ui;
    {
        MultipleSolutionResultsForm form(TwoSolutions());
        EXPECT_EQ(form.windowTitle(), "Multiple Solution Results");
        EXPECT_TRUE(form.OPT_Select_Solution[0]->isChecked());
        EXPECT_TRUE(form.LBL_TSat[1]->text().startsWith("TSat = 210"));
        EXPECT_TRUE(form.LBL_TSat[1]->text().endsWith(" C"));
        EXPECT_TRUE(form.LBL_PSat[0]->text().startsWith("PSat = 0"));
        EXPECT_FALSE(ui.busyCalls.empty());
        EXPECT_FALSE(ui.busyCalls.back()) << "the pointer returns to normal for the choice";
        form.OPT_Select_Solution[1]->setChecked(true);
        form.show();
        form.close();
        EXPECT_EQ(form.ChosenSolution(), 2);
    }
    {
        MultipleSolutionResultsForm form(TwoSolutions());
        form.reject(); // Escape
        EXPECT_EQ(form.ChosenSolution(), 1);
    }
    // Modal use: the window answers once it closes.
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<MultipleSolutionResultsForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->OPT_Select_Solution[1]->setChecked(true);
        form->BTN_OK_Click();
    });
    EXPECT_EQ(ChooseSaturationSolution(TwoSolutions(), nullptr), 2);
}

TEST(SupportForm, DistributorTextAfterTheAddressLines)
{
    const std::string dist = "http://dist.example\r\nDistributor\r\nmailto:a@dist.example\r\nCall us\r\n";
    EXPECT_EQ(SupportDisplayText(dist), "Call us\r\n");
    EXPECT_EQ(SupportDisplayText("Local agent\r\nPhone 1\r\n"), "Local agent\r\nPhone 1\r\n");
    // Fewer than three line breaks, or the third ending the text: the whole text.
    EXPECT_EQ(SupportDisplayText("http://dist.example\r\nx"), "http://dist.example\r\nx");
    EXPECT_EQ(SupportDisplayText("http://a\r\nb\r\nc\r\n"), "http://a\r\nb\r\nc\r\n");
    EXPECT_EQ(SupportDisplayText("http://"), "http://");

    SupportForm full(dist);
    EXPECT_EQ(full.windowTitle(), "Contact Information");
    EXPECT_EQ(full.LBL_Dist->text(), "Call us\n");
    EXPECT_FALSE(full.LBL_Dist->isHidden());
    SupportForm shortForm("");
    EXPECT_TRUE(shortForm.LBL_Dist->isHidden());
    EXPECT_TRUE(shortForm.LBL_2->isHidden());
    EXPECT_FALSE(shortForm.LBL_Orm->text().isEmpty());
}

TEST(AboutForm, TitleAndNotices)
{
    SetProgramIdentity();
    AboutForm about;
    EXPECT_EQ(about.windowTitle().toStdString(), "About " + ProgramTitle);
    EXPECT_EQ(about.lblTitle->text().toStdString(), GetVersionText(0));
    EXPECT_EQ(about.lblDisclaimer->text().toStdString(), GetLegalNoticeText());
}

TEST(PrintSections, ChoicesLastUntilTheSectionsAreBuiltAgain)
{
    PrintSections sections;
    EXPECT_EQ(sections.PrintFormatGeneralName(0), "Input Data");
    EXPECT_EQ(sections.PrintFormatGeneralControlType(1), 2);
    EXPECT_FALSE(sections.PrintSectionNewPage);
    sections.SetPrintFormatGeneralUse(1, false);
    sections.SetPrintFormatGeneralUse(5, false);
    EXPECT_FALSE(sections.PrintFormatGeneralUse(1));
    EXPECT_FALSE(sections.PrintFormatGeneralUse(5));
    EXPECT_EQ(sections.PrintFormatGeneralName(-1), "");
    sections.InitPrintSections();
    EXPECT_TRUE(sections.PrintFormatGeneralUse(1));
}

} // namespace
} // namespace vq
