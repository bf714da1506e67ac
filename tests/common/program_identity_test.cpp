#include "common/messages.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "recording_user_interface.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(ProgramIdentity, VersionTexts)
{
    SetProgramIdentity();
    EXPECT_EQ(ProgramTitle, "Orm Vapoquant");
    EXPECT_EQ(ProgramLongTitle, "Orm Vapoquant 2.0");
    EXPECT_EQ(GetVersionText(0), "Orm Vapoquant Version 2.0 (2011.02.02)");
    EXPECT_EQ(GetVersionText(1), "Version 2.0");
    EXPECT_EQ(GetVersionText(2), "(2011.02.02)");
    EXPECT_EQ(GetVersionText(3), "Version 2.0 (2011.02.02)");
    EXPECT_EQ(GetVersionText(4), "(2011.02.02)");
    EXPECT_EQ(GetVersionText(5), "Vapoquant");
    EXPECT_EQ(GetVersionText(6), "Orm Vapoquant");
    EXPECT_EQ(GetVersionText(7), "");
    EXPECT_EQ(GetVersionText(-1), "");
}

TEST(ProgramIdentity, VersionNumberInBothLocales)
{
    for (const auto& locale : {LocaleSeparators::English(), LocaleSeparators::German()}) {
        ScopedLocaleSeparators scope(locale);
        EXPECT_EQ(GetVersionNumber(""), 2.0f);
        EXPECT_EQ(GetVersionNumber("08020015"), 2.0f);
        EXPECT_EQ(GetVersionNumber("08030015"), 3.0f);
        EXPECT_EQ(GetVersionNumber("08021015"), 2.1f);
        EXPECT_EQ(GetVersionNumber("08"), 0.0f) << "short code reads no version";
    }
}

TEST(ProgramIdentity, ProductCode)
{
    SetProgramIdentity();
    EXPECT_EQ(GetProductCode(), 8);
    VersionCode = "abc";
    EXPECT_EQ(GetProductCode(), 0);
    SetProgramIdentity();
    EXPECT_EQ(VersionCode, "08020015");
}

TEST(ShowMessage, UsesProgramTitleAndRestoresPointer)
{
    test::RecordingUserInterface ui;
    ShowMessage("Unknown unit: xyz", MessageExclamation);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Unknown unit: xyz");
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(ui.messages[0].title, "Orm Vapoquant");
    EXPECT_EQ(ui.busyCalls, std::vector<bool>{false});
    ShowMessage("quiet", MessageInformation, false);
    EXPECT_EQ(ui.messages.size(), 1u) << "show false only restores the pointer";
    EXPECT_EQ(ui.busyCalls.size(), 2u);
    EXPECT_EQ(MessageStyleFromCode(MessageInformation + 1), MessageStyle::Information);
    EXPECT_EQ(MessageStyleFromCode(MessageCritical), MessageStyle::Critical);
    EXPECT_EQ(MessageStyleFromCode(0), MessageStyle::Plain);
}

} // namespace
} // namespace vq
