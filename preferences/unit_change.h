// Conversion of one line of the results grid to another display unit of its
// parameter.
#pragma once

#include <string>
#include <vector>

namespace vq {

inline const std::string UnitChangeErrorMessage =
    "An error occurred changing units. Values shown in window may be in error. Rerun model to insure correct values.";

// The text of a cell that holds no value.
inline const std::string NotApplicableText = "N/A";

// A value of family in oldUnits expressed in newUnits: pressures (families 6, 11, 12)
// through psia with the gauge offset, temperatures through degrees Rankine, the other
// families of the output parameters by the ratio of their base factors, any other
// family unchanged. A difference of two values is converted without the offsets.
class UnitLineConverter {
public:
    // Looks the factor up once: an unknown unit is reported here, once per line.
    UnitLineConverter(int family, const std::string& oldUnits, const std::string& newUnits);
    double Convert(double x) const;
    double ConvertDifference(double x) const;

private:
    enum class Kind { Pressure, Temperature, Factor };
    double Apply(double x) const;

    Kind kind_ = Kind::Factor;
    std::string old_;
    std::string new_;
    double factor_ = 1.0;
};

// The parameter whose line of the results grid holds the cell (row, col), for the
// input mode: its property code when it is a shown parameter with units, else 0
// (header row or column, a parameter without units).
int ParamIdAtGridCell(int mode, int row, int col);

// The table kind of an input mode: 0 Single Point, 1 Two Points and Range.
inline int TableKindOfMode(int mode)
{
    return mode == 0 ? 0 : 1;
}

// Converts the results of cells 1..n of a grid line in place and gives their new
// texts (cells[0] and values[0], the header cell's, are not touched), formatted with
// the magnitudes of the whole line and OutputPrefs.Digits. A cell without a result (a
// flag value, or an empty or "N/A" text) keeps its value and text and takes no part
// in the magnitudes. differenceCell is the index of a cell holding the difference of
// two points (converted without offsets), or -1.
std::vector<std::string> ConvertLine(const std::vector<std::string>& cells, std::vector<double>& values,
                                     const UnitLineConverter& converter, int differenceCell);

} // namespace vq
