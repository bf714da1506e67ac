#include "preferences/ui/apply_units_form.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace vq {
namespace {

std::vector<UnitListItem> ThreeItems()
{
    return {{"A (x) ", 3, true}, {"B (y) ", 6, false}, {"C (z) ", 7, true}};
}

TEST(ApplyUnitsFormTest, SelectButtonsSetClearAndInvert)
{
    ApplyUnitsForm form;
    EXPECT_EQ(form.windowTitle(), "Use Preferred Units");
    EXPECT_FALSE(form.Cancelled);
    form.Fill(ThreeItems());
    EXPECT_EQ(form.SelectedData(), (std::vector<int>{3, 7}));
    form.BTN_Select_Click(0);
    form.BTN_Select_Click(2);
    EXPECT_TRUE(form.SelectedData().empty()) << "All, then Invert, leaves nothing selected";
    form.BTN_Select_Click(1);
    form.BTN_Select[2]->click();
    EXPECT_EQ(form.SelectedData(), (std::vector<int>{3, 6, 7})) << "None, then Invert, selects everything";
    form.BTN_Select_Click(5);
    EXPECT_EQ(form.SelectedData().size(), 3u);
}

TEST(ApplyUnitsFormTest, OkReportsTheChoiceAndTheCloseBoxCancels)
{
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<ApplyUnitsForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->BTN_Select_Click(1);
        form->BTN_OK->click();
    });
    const std::optional<std::vector<int>> none = ChooseUnitFamilies(nullptr, ThreeItems());
    ASSERT_TRUE(none.has_value()) << "OK with nothing selected is not a cancel";
    EXPECT_TRUE(none->empty());

    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<ApplyUnitsForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->close();
    });
    EXPECT_FALSE(ChooseUnitFamilies(nullptr, ThreeItems()).has_value());

    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<ApplyUnitsForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->BTN_OK->click();
    });
    EXPECT_EQ(ChooseUnitFamilies(nullptr, ThreeItems()), (std::vector<int>{3, 7}));
}

} // namespace
} // namespace vq
