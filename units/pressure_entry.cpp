#include "units/pressure_entry.h"

#include "common/number_format.h"
#include "common/number_parsing.h"
#include "units/pressure_temperature.h"

#include <cmath>

namespace vq {

std::string NegativePressureMessage(const std::string& fieldName)
{
    return "Negative absolute pressures are not physically possible.\r\n Please enter a new pressure for the " +
           fieldName + ".";
}

std::string AtmosphericPressureRangeMessage(const std::string& fieldName)
{
    const std::string highest = SingleToText(static_cast<float>(HighestAtmosphericPressurePsia));
    return "An atmospheric pressure must be above 0 and at most " + highest +
           " psia.\r\n Please enter a new pressure for the " + fieldName + ".";
}

std::string SingleToText(float value)
{
    // A float widens to double exactly, so its 7-digit form is the same.
    return std::isfinite(value) ? GeneralFormText(value, 7, DecimalSymbol) : "0";
}

PressureEntryVerdict CheckPressureEntry(const std::string& text, const std::string& units,
                                        const std::string& fieldName)
{
    PressureEntryVerdict verdict;
    verdict.text = text;
    if (text.empty())
        return verdict;

    double value = 0;
    const TypedNumber read = ReadTypedNumber(text, value);
    if (read != TypedNumber::Ok) {
        verdict.ok = false;
        verdict.message = TypedNumberMessage(read, fieldName, text);
        return verdict;
    }
    bool singleFailed = false;
    const float single = ParseSingle(text, false, false, singleFailed);
    if (singleFailed) {
        verdict.ok = false;
        verdict.message = ImproperPressureMessage;
        return verdict;
    }
    const double psia = ConvertPressure(value, units, "psia");
    if (!(psia >= 0.0)) {
        verdict.ok = false;
        verdict.message = NegativePressureMessage(fieldName);
        verdict.text.clear();
        return verdict;
    }
    // The box and the files keep the single-precision digits, so those are checked as
    // they read back (ParseSingle, as the preferences take the box's text).
    const std::string stored = SingleToText(single);
    const double storedPsia = ConvertPressure(ParseSingle(stored), units, "psia");
    if (!IsSensibleAtmosphericPressure(psia) || !IsSensibleAtmosphericPressure(storedPsia)) {
        verdict.ok = false;
        verdict.message = AtmosphericPressureRangeMessage(fieldName);
        return verdict;
    }
    verdict.text = stored;
    return verdict;
}

} // namespace vq
