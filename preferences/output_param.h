// One output parameter: its names, header texts, unit family, display unit and
// place in the shown list.
#pragma once

#include <string>

namespace vq {

class COutputParam {
public:
    int Index = 0;           // own PropertyCode, 1..25
    int DefaultPosition = 0; // place in the built-in shown list; 0 = not in it
    bool IsTextValue = false;
    std::string Name;
    std::string Symbol;
    std::string Description;
    bool HasUnits = false;
    std::string Units;       // display unit; NoUnitsMarker = none
    int UnitFamily = 0;      // unit family code, -1 = none
    std::string EditUnits;   // working copy while the output preferences dialog is open
    int ListPosition = 0;    // 1..n shown at that place, 0 not shown, -1 never listable
    int EditPosition = 0;    // working place while the output preferences dialog is open

    // Header name, CR LF, "(units)" when a unit is shown.
    std::string HeaderText() const;
    // Header name, two blanks, "(units)" when a unit is shown.
    std::string HeaderText1Line() const;
    void SetHeaderText(const std::string& headerName) { HeaderName = headerName; }
    std::string HeaderNoUnits() const { return HeaderName; }
    // CR LF, header name, then CR LF and "(units)" when a unit is shown.
    std::string HeaderText2LineFeeds() const;
    // The header name split over two lines, then CR LF and "(units)" when a unit is shown.
    std::string HeaderText3Lines() const;

    // True when the parameter carries a unit and a real one is set.
    bool ShowsUnits() const;

private:
    std::string HeaderName;
};

} // namespace vq
