#include "units/unit_family.h"

#include "common/number_parsing.h"
#include "units/unit_names.h"

#include <cstdlib>

namespace vq {

std::array<std::unique_ptr<CUnitFamily>, NumUnitFamilies> UnitFamilies;

void CUnitFamily::AddUnitType(const std::string& name, int unitSystem, int listState,
                              const std::string& longName, int isCustom)
{
    for (const auto& unit : units_) {
        if (unit->Name == name)
            return;
    }

    // A new unit goes after every unit whose upper-cased name is equal to or less than its own.
    const std::string key = ToUpperAscii(name);
    std::size_t slot = units_.size();
    while (slot > 0 && ToUpperAscii(units_[slot - 1]->Name) > key)
        --slot;

    auto unit = std::make_unique<CUnitType>();
    unit->Name = name;
    unit->UnitSystem = unitSystem;
    unit->ListState = listState;
    unit->LongName = longName;
    unit->IsCustom = isCustom;
    units_.insert(units_.begin() + static_cast<std::ptrdiff_t>(slot), std::move(unit));
    newUnitTypeIndex_ = static_cast<int>(slot) + 1;

    for (int& index : defaultIndex_) {
        if (index >= newUnitTypeIndex_)
            ++index;
    }
}

void CUnitFamily::CopyMeFrom(const CUnitFamily& other)
{
    if (&other == this)
        return;
    units_.clear();
    Name = other.Name;
    Flag = other.Flag;
    for (int j = 1; j <= other.NumUnits(); ++j) {
        const CUnitType& source = *other.UnitType(j);
        AddUnitType(source.Name, source.UnitSystem, source.ListState, source.LongName, source.IsCustom);
        CUnitType& copy = *UnitType(newUnitTypeIndex_);
        copy.ExtraValue = source.ExtraValue;
        copy.Factor = source.Factor;
        copy.ExtraCode1 = source.ExtraCode1;
        copy.ExtraCode2 = source.ExtraCode2;
        copy.ExtraText = source.ExtraText;
    }
    BaseUnits = other.BaseUnits;
    for (int k = 0; k < 3; ++k)
        defaultIndex_[static_cast<std::size_t>(k)] = GetCustomIndex(other.DefaultUnits(k));
}

std::string CUnitFamily::DefaultUnits(int system) const
{
    if (system >= 0 && system <= 2) {
        if (const CUnitType* unit = UnitType(defaultIndex_[static_cast<std::size_t>(system)]))
            return unit->Name;
    }
    if (!units_.empty())
        return units_.front()->Name;
    return NoUnitsMarker;
}

void CUnitFamily::DeleteUnitType(const std::string& name)
{
    const int i = GetCustomIndex(name);
    if (i == 0)
        return;
    units_.erase(units_.begin() + (i - 1));
    for (int& index : defaultIndex_) {
        if (index > i)
            --index;
    }
    KeepDefaultsInRange();
}

int CUnitFamily::GetCustomIndex(const std::string& name) const
{
    for (std::size_t j = 0; j < units_.size(); ++j) {
        if (units_[j]->Name == name)
            return static_cast<int>(j) + 1;
    }
    return 0;
}

void CUnitFamily::RemoveCustomUnits()
{
    std::array<std::string, 3> defaultNames;
    for (std::size_t k = 0; k < 3; ++k) {
        if (const CUnitType* unit = UnitType(defaultIndex_[k]))
            defaultNames[k] = unit->Name;
    }

    const auto before = units_.size();
    std::erase_if(units_, [](const std::unique_ptr<CUnitType>& unit) { return unit->IsCustom == 1; });
    if (units_.size() == before)
        return;

    const int code = FindUnitFamily(Name);
    if (code < 0) {
        KeepDefaultsInRange();
        return;
    }
    for (std::size_t k = 0; k < 3; ++k) {
        const int index = FindUnitIndex(code, defaultNames[k]);
        defaultIndex_[k] = index < 1 ? 1 : index;
    }
    KeepDefaultsInRange();

    std::string& preferred = UnitPrefs.PreferredUnits[static_cast<std::size_t>(code)];
    if (FindUnitIndex(code, preferred) < 1)
        preferred = DefaultUnits(UnitPrefs.UnitSystem);
}

void CUnitFamily::SetDefaultUnitType(const std::string& name, int system)
{
    if (system < -2 || system > 2)
        return;
    const int position = GetCustomIndex(name);
    if (position == 0)
        return;
    defaultIndex_[static_cast<std::size_t>(std::abs(system))] = position;
    if (system < 0)
        defaultIndex_[0] = position;
}

CUnitType* CUnitFamily::UnitType(int position) const
{
    if (position < 1 || position > NumUnits())
        return nullptr;
    return units_[static_cast<std::size_t>(position - 1)].get();
}

void CUnitFamily::SetUnitType(int position, std::unique_ptr<CUnitType> unit)
{
    if (position < 1 || position > NumUnits() || !unit)
        return;
    units_[static_cast<std::size_t>(position - 1)] = std::move(unit);
}

// A default never names a position past the last unit (0 when no unit is left).
void CUnitFamily::KeepDefaultsInRange()
{
    for (int& index : defaultIndex_) {
        if (index > NumUnits())
            index = NumUnits();
    }
}

CUnitFamily* GetUnitFamily(int family)
{
    if (family < 0 || family >= NumUnitFamilies)
        return nullptr;
    return UnitFamilies[static_cast<std::size_t>(family)].get();
}

void ReleaseUnitFamilies()
{
    for (auto& family : UnitFamilies)
        family.reset();
}

int FindUnitIndex(int family, std::string_view unitName)
{
    const CUnitFamily* f = GetUnitFamily(family);
    if (!f)
        return -1;
    const std::string_view wanted = TrimBlanks(unitName);
    for (int i = 1; i <= f->NumUnits(); ++i) {
        const CUnitType* unit = f->UnitType(i);
        if (SameUnitName(unit->Name, wanted))
            return unit->ListState != UnitNotOffered ? i : 0;
    }
    return -1;
}

int FindUnitFamily(std::string_view name)
{
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily* f = GetUnitFamily(code);
        if (f && SameUnitName(f->Name, name))
            return code;
    }
    return -1;
}

} // namespace vq
