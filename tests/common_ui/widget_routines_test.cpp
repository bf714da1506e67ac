#include "common/ui/unit_combos.h"
#include "common/ui/widget_routines.h"
#include "recording_user_interface.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(WidgetRoutines, FindAndSelectComboItems)
{
    QComboBox combo;
    combo.addItem("psig", 3);
    combo.addItem("psia", 7);
    combo.addItem("MPa", 9);
    EXPECT_EQ(FindComboItemByText(&combo, "psi"), 0);
    EXPECT_EQ(FindComboItemByText(&combo, "  psia "), 1);
    EXPECT_EQ(FindComboItemByText(&combo, "PSIA"), -1);
    EXPECT_EQ(FindComboItemByData(&combo, 9), 2);
    EXPECT_EQ(FindComboItemByData(&combo, 4), -1);
    combo.setCurrentIndex(2);
    EXPECT_FALSE(SelectComboItemByText(&combo, "bar"));
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_TRUE(SelectComboItemByText(&combo, "psia"));
    EXPECT_EQ(combo.currentIndex(), 1);
}

TEST(WidgetRoutines, ListSelectionAndOptions)
{
    QListWidget list;
    list.setSelectionMode(QAbstractItemView::MultiSelection);
    ShowUnitList(&list, {{{"feet", 1, true}, {"meters", 2, false}, {"inches", 3, true}}, -1});
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_TRUE(IsListItemSelected(&list, 0, "feet"));
    EXPECT_FALSE(IsListItemSelected(&list, 2, ""));
    EXPECT_EQ(FindListItemByData(&list, 3), 2);
    SetListSelection(1, &list);
    EXPECT_FALSE(IsListItemSelected(&list, 1, ""));
    EXPECT_TRUE(IsListItemSelected(&list, 2, ""));
    SetListSelection(-1, &list);
    EXPECT_EQ(list.selectedItems().size(), 3);
    SetListSelection(7, &list);
    EXPECT_EQ(list.selectedItems().size(), 3);
    SetListSelection(0, &list);
    EXPECT_TRUE(list.selectedItems().isEmpty());

    QRadioButton a("a"), b("b");
    EXPECT_EQ(GetSelectedOptionIndex({&a, &b}), -1);
    b.setChecked(true);
    EXPECT_EQ(GetSelectedOptionIndex({&a, &b}), 1);
}

TEST(WidgetRoutines, ReadOnlyBoxesAndMissingDocuments)
{
    QLineEdit box;
    SetTextBoxEditable(&box, false, true);
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_FALSE(box.isEnabled());
    SetTextBoxEditable(&box, true, false);
    EXPECT_FALSE(box.isReadOnly());
    EXPECT_TRUE(box.isEnabled());

    test::RecordingUserInterface ui;
    EXPECT_FALSE(OpenDocument("/no/such/file.pdf", false, true, ""));
    EXPECT_EQ(ui.LastMessage(), "Could not find file: /no/such/file.pdf");
}

TEST(WidgetRoutines, UnitComboShowsTheChosenItem)
{
    QComboBox combo;
    ShowUnitList(&combo, {{{"psia", 4, false}, {"MPa", 2, false}}, 1});
    EXPECT_EQ(combo.currentText(), "MPa");
    EXPECT_EQ(combo.currentData().toInt(), 2);
    ShowUnitList(&combo, {{}, -1});
    EXPECT_EQ(combo.count(), 0);
}

} // namespace
} // namespace vq
