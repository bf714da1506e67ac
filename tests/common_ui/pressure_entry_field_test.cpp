#include "common/ui/pressure_entry_field.h"

#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "common/program_identity.h"
#include "recording_user_interface.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(PressureEntryField, RefusedAndAcceptedEntries)
{
    ScopedLocaleSeparators locale(LocaleSeparators::English());
    ResetPreferenceRecords();
    UnitPrefs.AtmosphericPressurePsia = 14.7;
    test::RecordingUserInterface ui;
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* units = new QComboBox(&window);
    units->addItems({"psia", "psig"});
    units->setCurrentIndex(1);
    window.show();

    bool ok = true;
    box->setText("-20");
    ValidatePressureEntry(box, units, "Atmospheric Pressure", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(box->text(), "");
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(ui.messages[0].title, ProgramTitle);
    EXPECT_EQ(ui.beeps, 1);

    ok = true;
    box->setText("abc");
    ValidatePressureEntry(box, units, "Atmospheric Pressure", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(box->text(), "abc");
    EXPECT_EQ(ui.LastMessage(), "The Atmospheric Pressure box holds \"abc\", which is not a number.");
    EXPECT_EQ(box->selectedText(), "abc");

    ok = true;
    box->setText("-5.0");
    ValidatePressureEntry(box, units, "Atmospheric Pressure", ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(box->text(), "-5");

    // An empty box leaves ok as the caller passed it.
    ok = false;
    box->clear();
    ValidatePressureEntry(box, units, "Atmospheric Pressure", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(ui.messages.size(), 2U);
    ResetPreferenceRecords();
}

} // namespace
} // namespace vq
