// The working state of the output preferences dialog: which parameters are shown and
// in which order, their units, and the number and table formatting. The units and
// list places being edited live in the EditUnits and EditPosition fields of
// OutputParams; OutputPrefs changes only when StorePrefsFromDraft commits.
#pragma once

#include "common/preference_records.h"
#include "units/unit_lists.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vq {

struct OutputPrefsDraft {
    std::vector<int> shown;  // ids in output order
    std::vector<int> unused; // ids not shown, sorted by Name
    int digits = 6;
    int useExponential = 0;
    int columnAlignment = 0;
    int magnitudeLimit = 6;
    std::array<int, 2> useShortNames{};
    std::array<int, 2> wrapHeaders{};
    std::array<int, 2> rowColOrder{};
};

// The options of the number-formatting lists.
inline constexpr int MinDigitsChoice = 1;
inline constexpr int MaxDigitsChoice = 8;
inline constexpr int MinMagnitudeLimit = 4;
inline constexpr int MaxMagnitudeLimit = 11;
extern const std::array<std::string, 4> ColumnAlignmentOptions;

inline const std::string NoParamsToAddMessage = "No parameters are selected for adding.";
inline const std::string NoParamsToRemoveMessage = "No parameters are selected for removing.";
inline const std::string RemoveAllParamsQuestion = "Are you sure you want to remove all output parameters?";

// The text of a shown entry: Name, a tab and EditUnits for a parameter with units;
// Name alone otherwise.
std::string ShownEntryText(int id);

// The unit that the parameter's unit list selects first: its family's preferred unit,
// else the family's default, else the first unit; "" for a parameter without family.
std::string FamilyPreferredUnit(int id);

// The draft of the current OutputPrefs and parameters (EditUnits and EditPosition set).
OutputPrefsDraft LoadPrefsIntoDraft();
// The built-in default list and formatting; EditUnits of the listed parameters become
// their families' preferred units. OutputPrefs is not touched.
OutputPrefsDraft AppDefaultsDraft();

// Appends the parameters with these ids (in this order) to the shown list. A parameter
// with units and no working unit gets its family's preferred unit. Ids that are not
// in the unused list are ignored.
void AddShownParams(OutputPrefsDraft& draft, std::vector<int> ids);
// Moves the shown entry at index back to the unused list; false when there is none.
bool RemoveShownParam(OutputPrefsDraft& draft, int index);
void RemoveAllShownParams(OutputPrefsDraft& draft);
// Moves the shown entry at from to index to; false when either is out of range.
bool MoveShownParam(OutputPrefsDraft& draft, int from, int to);
// The working unit of the parameter at a shown index (trimmed); false when out of
// range or the parameter has no units.
bool SetShownParamUnits(OutputPrefsDraft& draft, int index, const std::string& units);

// The families offered by "Use Preferred Units": those with Flag 1, sorted by name,
// each "name (preferred) " with the family code as item data, all selected.
std::vector<UnitListItem> PreferredUnitChoices();
// Gives every shown parameter with units whose family is in families the preferred
// unit of its family.
void ApplyPreferredUnits(const OutputPrefsDraft& draft, const std::vector<int>& families);

// Commits the draft: OutputPrefs and the parameters' places and units.
void StorePrefsFromDraft(const OutputPrefsDraft& draft);

// OutputPrefs with the list places and units of the parameters, kept aside while a
// dialog command stores or reads preferences, and put back afterwards.
class OutputPrefsSnapshot {
public:
    OutputPrefsSnapshot();
    void Restore() const;

private:
    OutputPreferences prefs_;
    std::array<int, NumOutputParams + 1> listPositions_{};
    std::array<std::string, NumOutputParams + 1> units_;
};

// The three lines of the description panel, label and value each.
struct ParamDescription {
    std::string header;      // "Results Table Header: "
    std::string shortName;   // "Short Name: "
    std::string description; // "Description: "
};
inline const std::string HeaderLabel = "Results Table Header: ";
inline const std::string ShortNameLabel = "Short Name: ";
inline const std::string DescriptionLabel = "Description: ";
ParamDescription GetParamDescription(int id);

// Cuts text so that its first part fits into available (as measured by width):
// whole when it fits, else after the last blank that lets the first part fit (the rest
// trimmed). When no blank gives a fitting part, everything goes to the next line.
void SplitToFit(const std::string& text, int available, const std::function<int(const std::string&)>& width,
                std::string& first, std::string& rest);

} // namespace vq
