#include "solver/asme_error_messages.h"

#include "common/program_identity.h"
#include "common/user_interface.h"
#include "equations/asme_error.h"

#include <string>

namespace vq {
namespace {

struct NumberedMessage {
    int code;
    std::string_view text;
};

constexpr NumberedMessage Messages[] = {
    {ErrPressureOutOfRange, "Invalid Input Property - Pressure Out of Range"},
    {ErrTemperatureOutOfRange, "Invalid Input Property - Temperature Out of Range"},
    {ErrEnthalpyOutOfRange, "Invalid Input Property - Enthalpy Out of Range"},
    {ErrSpecificVolumeOutOfRange, "Invalid Input Property - Specific Volume Out of Range"},
    {ErrDensityOutOfRange, "Invalid Input Property - Density Out of Range"},
    {ErrEntropyOutOfRange, "Invalid Input Property - Entropy Out of Range"},
    {ErrHSInRegion5, "Enthalpy/Entropy Combination in High Pressure Region 5 - Unable to Determine Properties"},
    {ErrHSOutOfRange, "Invalid Enthalpy/Entropy Combination - Out of Range"},
    {ErrQualityOutOfRange, "Invalid Input Property - Quality Out of Range"},
    {ErrSatPressure, "Invalid Saturation Property - Invalid Saturation Pressure"},
    {ErrSatTemperature, "Invalid Saturation Property - Invalid Saturation Temperature"},
    {ErrSatEnthalpy, "Invalid Saturation Property - Invalid Saturation Enthalpy"},
    {ErrSatSpecificVolume, "Invalid Saturation Property - Invalid Saturation Specific Volume"},
    {ErrSatDensity, "Invalid Saturation Property - Invalid Saturation Density"},
    {ErrSatEntropy, "Invalid Saturation Property - Invalid Saturation Entropy"},
    {ErrPTOnSaturationLine,
     "The results are in the saturated region. Saturation properties cannot be determined using both pressure and "
     "temperature without knowing the quality. Use either pressure or temperature and select saturated liquid or "
     "vapor as the second property."},
    {ErrSatLiquidEntropy, "Invalid Saturation Liquid Property - Invalid Saturation Entropy"},
    {ErrSatVaporEntropy, "Invalid Saturation Vapor Property - Invalid Saturation Entropy"},
    {ErrHSTwoPhase, "Enthalpy/Entropy Combination in the Two-Phase Region - Unable to Determine Properties"},
    {ErrPropertyCombination, "Invalid Property Combination"},
    {ErrRegion, "Error Determining Property Region"},
    {ErrPressureIterations, "Error in Pressure Solution - Maximum Iterations Exceeded"},
    {ErrTemperatureIterations, "Error in Temperature Solution - Maximum Iterations Exceeded"},
    {ErrDensityIterations, "Error in Density Solution - Maximum Iterations Exceeded"},
    {ErrSaturationIterations, "Error in Saturated Pressure/Temperature Solution - Maximum Iterations Exceeded"},
    {ErrTemperatureDensityIterations, "Error in Temperature/Density Solution - Maximum Iterations Exceeded"},
    {ErrPressureDensityIterations, "Error in Pressure/Density Solution - Maximum Iterations Exceeded"},
    {ErrEnthalpyEntropySolution, "Error in Enthalpy/Entropy Solution"},
};

} // namespace

std::string_view AsmeErrorMessage(int code)
{
    for (const NumberedMessage& m : Messages)
        if (m.code == code)
            return m.text;
    return {};
}

void ShowAsmeError()
{
    CurrentUserInterface().Message(std::string(AsmeErrorMessage(AsmeErrorCode)), MessageStyle::Exclamation, ProgramTitle);
}

} // namespace vq
