#include "preferences/output_pref_editor.h"

#include "common/list_routines.h"
#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "common/text_routines.h"
#include "preferences/output_mod.h"

#include <algorithm>
#include <cctype>

namespace vq {

const std::array<std::string, 4> ColumnAlignmentOptions = {
    "Always Align Decimal Points On Output",
    "Show Only Number Of Digits (not aligned)",
    "Align Only When Max/Min < Limit",
    "Use Exponential When Max/Min > Limit",
};

namespace {

bool LessByNameIgnoringCase(int a, int b)
{
    const std::string x = ToUpperAscii(OutputParams(a).Name);
    const std::string y = ToUpperAscii(OutputParams(b).Name);
    return x != y ? x < y : a < b;
}

void InsertUnused(OutputPrefsDraft& draft, int id)
{
    const auto at = std::lower_bound(draft.unused.begin(), draft.unused.end(), id, LessByNameIgnoringCase);
    draft.unused.insert(at, id);
}

bool IsNoUnit(const std::string& units)
{
    return units.empty() || ToUpperAscii(units) == ToUpperAscii(NoUnitsMarker);
}

void RenumberShown(const OutputPrefsDraft& draft)
{
    for (std::size_t i = 0; i < draft.shown.size(); ++i)
        OutputParams(draft.shown[i]).EditPosition = static_cast<int>(i) + 1;
}

// Empty lists; the unused list gets every listable parameter that the caller does not show.
void FillUnusedExcept(OutputPrefsDraft& draft)
{
    draft.unused.clear();
    for (int id = 1; id <= NumOutputParams; ++id) {
        COutputParam& p = OutputParams(id);
        if (p.ListPosition < 0 || std::find(draft.shown.begin(), draft.shown.end(), id) != draft.shown.end())
            continue;
        p.EditPosition = 0;
        if (p.HasUnits)
            p.EditUnits = p.Units;
        InsertUnused(draft, id);
    }
}

} // namespace

std::string ShownEntryText(int id)
{
    const COutputParam& p = OutputParams(id);
    return p.HasUnits ? p.Name + "\t" + p.EditUnits : p.Name;
}

std::string FamilyPreferredUnit(int id)
{
    const UnitListContents units = FillParamUnitsCombo(id, NoUnitsMarker);
    if (units.SelectedIndex < 0 || units.SelectedIndex >= static_cast<int>(units.Items.size()))
        return {};
    return std::string(TrimBlanks(units.Items[static_cast<std::size_t>(units.SelectedIndex)].Text));
}

OutputPrefsDraft LoadPrefsIntoDraft()
{
    OutputPrefsDraft draft;
    const int n = std::clamp(OutputPrefs.NumParams, 0, NumOutputParams);
    for (int k = 1; k <= n; ++k) {
        const int id = OutputPrefs.ParamIds[static_cast<std::size_t>(k - 1)];
        if (!IsOutputParamId(id) || OutputParams(id).ListPosition < 0 ||
            std::find(draft.shown.begin(), draft.shown.end(), id) != draft.shown.end())
            continue;
        COutputParam& p = OutputParams(id);
        if (p.HasUnits) {
            p.EditUnits = p.Units;
            if (IsNoUnit(p.EditUnits))
                p.EditUnits = FamilyPreferredUnit(id);
        }
        draft.shown.push_back(id);
    }
    RenumberShown(draft);
    FillUnusedExcept(draft);
    draft.digits = OutputPrefs.Digits;
    draft.useExponential = OutputPrefs.UseExponential;
    draft.columnAlignment = OutputPrefs.ColumnAlignment;
    draft.magnitudeLimit = OutputPrefs.MagnitudeLimit;
    draft.useShortNames = OutputPrefs.UseShortNames;
    draft.wrapHeaders = OutputPrefs.WrapHeaders;
    draft.rowColOrder = OutputPrefs.RowColOrder;
    return draft;
}

OutputPrefsDraft AppDefaultsDraft()
{
    const OutputPrefsSnapshot kept;
    SetDefaultOutputPrefs();
    OutputPrefsDraft draft = LoadPrefsIntoDraft();
    kept.Restore();
    for (int id : draft.shown) {
        COutputParam& p = OutputParams(id);
        if (p.HasUnits)
            p.EditUnits = FamilyPreferredUnit(id);
    }
    return draft;
}

void AddShownParams(OutputPrefsDraft& draft, std::vector<int> ids)
{
    for (int id : ids) {
        const auto at = std::find(draft.unused.begin(), draft.unused.end(), id);
        if (at == draft.unused.end())
            continue;
        draft.unused.erase(at);
        COutputParam& p = OutputParams(id);
        if (p.HasUnits && IsNoUnit(p.EditUnits))
            p.EditUnits = FamilyPreferredUnit(id);
        draft.shown.push_back(id);
        p.EditPosition = static_cast<int>(draft.shown.size());
    }
}

bool RemoveShownParam(OutputPrefsDraft& draft, int index)
{
    if (index < 0 || index >= static_cast<int>(draft.shown.size()))
        return false;
    const int id = draft.shown[static_cast<std::size_t>(index)];
    draft.shown.erase(draft.shown.begin() + index);
    OutputParams(id).EditPosition = 0;
    InsertUnused(draft, id);
    RenumberShown(draft);
    return true;
}

void RemoveAllShownParams(OutputPrefsDraft& draft)
{
    for (int id : draft.shown) {
        OutputParams(id).EditPosition = 0;
        InsertUnused(draft, id);
    }
    draft.shown.clear();
}

bool MoveShownParam(OutputPrefsDraft& draft, int from, int to)
{
    const int n = static_cast<int>(draft.shown.size());
    if (from < 0 || from >= n || to < 0 || to >= n)
        return false;
    const int id = draft.shown[static_cast<std::size_t>(from)];
    draft.shown.erase(draft.shown.begin() + from);
    draft.shown.insert(draft.shown.begin() + to, id);
    RenumberShown(draft);
    return true;
}

bool SetShownParamUnits(OutputPrefsDraft& draft, int index, const std::string& units)
{
    if (index < 0 || index >= static_cast<int>(draft.shown.size()))
        return false;
    COutputParam& p = OutputParams(draft.shown[static_cast<std::size_t>(index)]);
    if (!p.HasUnits)
        return false;
    p.EditUnits = std::string(TrimBlanks(units));
    return true;
}

std::vector<UnitListItem> PreferredUnitChoices()
{
    std::vector<std::string> names;
    std::vector<int> codes;
    for (int code = 0; code < NumUnitFamilies; ++code) {
        names.push_back(GetFamilyName(code));
        codes.push_back(code);
    }
    SortParallelArrays(names, codes);
    std::vector<UnitListItem> items;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const CUnitFamily* family = GetUnitFamily(codes[i]);
        if (family == nullptr || family->Flag != 1)
            continue;
        const std::string& preferred = UnitPrefs.PreferredUnits[static_cast<std::size_t>(codes[i])];
        items.push_back({names[i] + Parenthesize(preferred, true), codes[i], true});
    }
    return items;
}

void ApplyPreferredUnits(const OutputPrefsDraft& draft, const std::vector<int>& families)
{
    for (int id : draft.shown) {
        COutputParam& p = OutputParams(id);
        if (!p.HasUnits || std::find(families.begin(), families.end(), p.UnitFamily) == families.end())
            continue;
        p.EditUnits = FamilyPreferredUnit(id);
    }
}

void StorePrefsFromDraft(const OutputPrefsDraft& draft)
{
    OutputPrefs.NumParams = 0;
    for (int id : draft.shown) {
        if (!IsOutputParamId(id) || OutputPrefs.NumParams >= NumOutputParams)
            continue;
        COutputParam& p = OutputParams(id);
        OutputPrefs.ParamIds[static_cast<std::size_t>(OutputPrefs.NumParams)] = id;
        ++OutputPrefs.NumParams;
        p.ListPosition = OutputPrefs.NumParams;
        p.EditPosition = OutputPrefs.NumParams;
        if (p.HasUnits)
            p.Units = std::string(TrimBlanks(p.EditUnits));
    }
    for (int id = 1; id <= NumOutputParams; ++id) {
        COutputParam& p = OutputParams(id);
        if (p.ListPosition < 0 || std::find(draft.shown.begin(), draft.shown.end(), id) != draft.shown.end())
            continue;
        p.ListPosition = 0;
        p.EditPosition = 0;
        if (p.HasUnits)
            p.Units = NoUnitsMarker;
    }
    OutputPrefs.Digits = draft.digits;
    OutputPrefs.UseExponential = draft.useExponential;
    OutputPrefs.ColumnAlignment = draft.columnAlignment;
    OutputPrefs.MagnitudeLimit = draft.magnitudeLimit;
    OutputPrefs.UseShortNames = draft.useShortNames;
    OutputPrefs.WrapHeaders = draft.wrapHeaders;
    OutputPrefs.RowColOrder = draft.rowColOrder;
}

OutputPrefsSnapshot::OutputPrefsSnapshot() : prefs_(OutputPrefs)
{
    for (int id = 1; id <= NumOutputParams; ++id) {
        listPositions_[static_cast<std::size_t>(id)] = OutputParams(id).ListPosition;
        units_[static_cast<std::size_t>(id)] = OutputParams(id).Units;
    }
}

void OutputPrefsSnapshot::Restore() const
{
    OutputPrefs = prefs_;
    for (int id = 1; id <= NumOutputParams; ++id) {
        OutputParams(id).ListPosition = listPositions_[static_cast<std::size_t>(id)];
        OutputParams(id).Units = units_[static_cast<std::size_t>(id)];
    }
}

ParamDescription GetParamDescription(int id)
{
    const COutputParam& p = OutputParams(id);
    ParamDescription d;
    d.header = ReplaceCrLfCommaWithSpace(p.HeaderText());
    d.shortName = p.Symbol;
    if (!d.shortName.empty() && d.shortName.back() == '=')
        d.shortName.pop_back();
    d.description = p.Description;
    return d;
}

void SplitToFit(const std::string& text, int available, const std::function<int(const std::string&)>& width,
                std::string& first, std::string& rest)
{
    first = text;
    rest.clear();
    if (width(text) <= available)
        return;
    std::size_t cut = text.rfind(' ');
    while (cut != std::string::npos) {
        const std::string part = text.substr(0, cut);
        if (width(part) <= available) {
            first = part;
            rest = std::string(TrimBlanks(text.substr(cut + 1)));
            return;
        }
        if (cut == 0)
            break;
        cut = text.rfind(' ', cut - 1);
    }
    first.clear();
    rest = std::string(TrimBlanks(text));
}

} // namespace vq
