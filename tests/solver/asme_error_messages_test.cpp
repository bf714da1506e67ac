#include "solver/asme_error_messages.h"

#include "common/program_identity.h"
#include "equations/asme_error.h"
#include "recording_user_interface.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace vq {
namespace {

const std::map<int, std::string> ExpectedTexts = {
    {9100, "Invalid Input Property - Pressure Out of Range"},
    {9110, "Invalid Input Property - Temperature Out of Range"},
    {9120, "Invalid Input Property - Enthalpy Out of Range"},
    {9130, "Invalid Input Property - Specific Volume Out of Range"},
    {9140, "Invalid Input Property - Density Out of Range"},
    {9150, "Invalid Input Property - Entropy Out of Range"},
    {9160, "Enthalpy/Entropy Combination in High Pressure Region 5 - Unable to Determine Properties"},
    {9170, "Invalid Enthalpy/Entropy Combination - Out of Range"},
    {9180, "Invalid Input Property - Quality Out of Range"},
    {9200, "Invalid Saturation Property - Invalid Saturation Pressure"},
    {9210, "Invalid Saturation Property - Invalid Saturation Temperature"},
    {9220, "Invalid Saturation Property - Invalid Saturation Enthalpy"},
    {9230, "Invalid Saturation Property - Invalid Saturation Specific Volume"},
    {9240, "Invalid Saturation Property - Invalid Saturation Density"},
    {9250, "Invalid Saturation Property - Invalid Saturation Entropy"},
    {9260, "The results are in the saturated region. Saturation properties cannot be determined using both pressure "
           "and temperature without knowing the quality. Use either pressure or temperature and select saturated "
           "liquid or vapor as the second property."},
    {9270, "Invalid Saturation Liquid Property - Invalid Saturation Entropy"},
    {9280, "Invalid Saturation Vapor Property - Invalid Saturation Entropy"},
    {9290, "Enthalpy/Entropy Combination in the Two-Phase Region - Unable to Determine Properties"},
    {9300, "Invalid Property Combination"},
    {9400, "Error Determining Property Region"},
    {9500, "Error in Pressure Solution - Maximum Iterations Exceeded"},
    {9510, "Error in Temperature Solution - Maximum Iterations Exceeded"},
    {9520, "Error in Density Solution - Maximum Iterations Exceeded"},
    {9530, "Error in Saturated Pressure/Temperature Solution - Maximum Iterations Exceeded"},
    {9540, "Error in Temperature/Density Solution - Maximum Iterations Exceeded"},
    {9550, "Error in Pressure/Density Solution - Maximum Iterations Exceeded"},
    {9560, "Error in Enthalpy/Entropy Solution"},
};

class ShowAsmeErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearAsmeError();
        savedTitle = ProgramTitle;
        ProgramTitle = "Orm Vapoquant";
    }
    void TearDown() override
    {
        ClearAsmeError();
        ProgramTitle = savedTitle;
    }
    std::string savedTitle;
    test::RecordingUserInterface ui;
};

TEST_F(ShowAsmeErrorTest, EachNumberShowsItsExactTextOnceWithoutBeep)
{
    EXPECT_EQ(ExpectedTexts.size(), 28u);
    for (const auto& [code, text] : ExpectedTexts) {
        ui.Clear();
        SetAsmeError(code);
        ShowAsmeError();
        ASSERT_EQ(ui.messages.size(), 1u) << code;
        EXPECT_EQ(ui.messages[0].text, text) << code;
        EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
        EXPECT_EQ(ui.messages[0].title, "Orm Vapoquant");
        EXPECT_EQ(ui.beeps, 0);
        // The error state is left as it was.
        EXPECT_TRUE(AsmeErrorFlag);
        EXPECT_EQ(AsmeErrorCode, code);
    }
}

TEST_F(ShowAsmeErrorTest, NumbersWithoutMessageShowAnEmptyBox)
{
    for (int code : {0, 9190, 9410, 9101, -9100}) {
        ui.Clear();
        AsmeErrorCode = code;
        ShowAsmeError();
        ASSERT_EQ(ui.messages.size(), 1u) << code;
        EXPECT_EQ(ui.messages[0].text, "") << code;
        EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    }
}

TEST_F(ShowAsmeErrorTest, TheLastRecordedFaultIsShown)
{
    SetAsmeError(ErrQualityOutOfRange);
    SetAsmeError(ErrPressureIterations);
    ShowAsmeError();
    EXPECT_EQ(ui.LastMessage(), "Error in Pressure Solution - Maximum Iterations Exceeded");
}

} // namespace
} // namespace vq
