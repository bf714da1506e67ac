#include "units/unit_catalogue.h"

#include "units/unit_family.h"

#include <initializer_list>
#include <string>

namespace vq {

namespace {

constexpr int B = UnitSystemGeneral;
constexpr int E = UnitSystemEnglish;
constexpr int S = UnitSystemSI;

struct Unit {
    const char* name;
    int system;
    const char* longName;
    int listState = UnitInUse;
};

// A rate unit "quantity/time": its long name is the quantity's words, " per ", the time's word.
struct RateUnit {
    const char* quantity;
    const char* time;
    int system;
    int listState = UnitInUse;
};

struct Words {
    const char* part;
    const char* words;
};

std::string TimeWord(const std::string& time)
{
    if (time == "sec" || time == "s")
        return "Second";
    if (time == "min")
        return "Minute";
    if (time == "hr")
        return "Hour";
    return "Day";
}

std::string WordsOf(std::initializer_list<Words> table, const std::string& part)
{
    for (const Words& w : table) {
        if (part == w.part)
            return w.words;
    }
    return part;
}

CUnitFamily& NewFamily(int code, const char* name, const char* baseUnits)
{
    auto& slot = UnitFamilies[static_cast<std::size_t>(code)];
    slot = std::make_unique<CUnitFamily>();
    slot->Flag = 1;
    slot->Name = name;
    slot->BaseUnits = baseUnits;
    return *slot;
}

void AddUnits(CUnitFamily& family, std::initializer_list<Unit> units)
{
    for (const Unit& u : units)
        family.AddUnitType(u.name, u.system, u.listState, u.longName, 0);
}

// Adds rate units; the family's mass words take two blanks before "per" with minutes,
// hours and days where doubleBlankAfter names them.
void AddRates(CUnitFamily& family, std::initializer_list<Words> quantities, std::initializer_list<RateUnit> units,
              std::initializer_list<const char*> doubleBlankAfter = {})
{
    for (const RateUnit& u : units) {
        const std::string quantity = u.quantity;
        const std::string time = u.time;
        std::string longName;
        if (u.listState != UnitNotOffered) {
            std::string gap = " per ";
            if (time != "sec") {
                for (const char* q : doubleBlankAfter) {
                    if (quantity == q)
                        gap = "  per ";
                }
            }
            longName = WordsOf(quantities, quantity) + gap + TimeWord(time);
        }
        family.AddUnitType(quantity + "/" + time, u.system, u.listState, longName, 0);
    }
}

void SetDefaults(CUnitFamily& family, const char* english, const char* si)
{
    family.SetDefaultUnitType(english, -1);
    family.SetDefaultUnitType(si, 2);
}

void BuildLengthUnits(CUnitFamily& f)
{
    AddUnits(f, {{"cm", S, "Centimeters"},
                 {"feet", E, "Feet"},
                 {"inches", E, "Inches"},
                 {"km", S, "Kilometers"},
                 {"meters", S, "Meters"},
                 {"microinches", E, "One-millionth of an inch"},
                 {"miles", E, "Miles"},
                 {"mm", S, "Millimeters"}});
}

void BuildMassFlowUnits(CUnitFamily& f)
{
    AddRates(f,
             {{"gram", "Grams"}, {"kg", "Kilograms"}, {"lbm", "Pounds Mass"}, {"m-ton", "Metric Tons"},
              {"slug", "Slug"}, {"ton", "Ton"}},
             {{"gram", "min", S}, {"gram", "sec", S}, {"kg", "day", S},   {"kg", "hr", S},
              {"kg", "min", S},   {"kg", "sec", S},   {"lbm", "day", E},  {"lbm", "hr", E},
              {"lbm", "min", E},  {"lbm", "sec", E},  {"m-ton", "day", E}, {"m-ton", "hr", E},
              {"m-ton", "min", E}, {"m-ton", "sec", E}, {"slug", "day", E}, {"slug", "hr", E},
              {"slug", "min", E}, {"slug", "sec", E}, {"ton", "day", E},  {"ton", "hr", E},
              {"ton", "min", E},  {"ton", "sec", E}},
             {"lbm", "m-ton"});
    // Gas volume flows: kept for conversions, never offered.
    constexpr int N = UnitNotOffered;
    AddUnits(f, {{"MMNcfd", E, "", N}, {"MMNcfh", E, "", N}, {"MMNm3/d", S, "", N}, {"MMNm3/h", S, "", N},
                 {"MMscfd", E, "", N}, {"MMscfh", E, "", N}, {"MMsm3/d", S, "", N}, {"MMsm3/h", S, "", N},
                 {"Ncfd", E, "", N},   {"Ncfh", E, "", N},   {"Ncfm", E, "", N},    {"Ncfs", E, "", N},
                 {"Nm3/d", S, "", N},  {"Nm3/h", S, "", N},  {"Nm3/m", S, "", N},   {"Nm3/s", S, "", N},
                 {"scfd", E, "", N},   {"scfh", E, "", N},   {"scfm", E, "", N},    {"scfs", E, "", N},
                 {"sm3/d", S, "", N},  {"sm3/h", S, "", N},  {"sm3/m", S, "", N},   {"sm3/s", S, "", N}});
}

void BuildPressureUnits(CUnitFamily& f)
{
    AddUnits(f, {{"atm", B, "Atmospheres"},
                 {"bar", B, "Bars Absolute"},
                 {"barG", B, "Bars Gage"},
                 {"dyn/cm2", S, "Dynes per Square Centimeter Absolute"},
                 {"dyn/cm2 (g)", S, "Dynes per Square Centimeter Gage"},
                 {"ft. H2O std.", E, "Feet of Water Column Absolute"},
                 {"ft. H2O std. (g)", E, "Feet of Water Column Gage"},
                 {"in. H2O std.", E, "Inches of Water Column Absolute"},
                 {"in. H2O std. (g)", E, "Inches of Water Column Gage"},
                 {"in. Hg", E, "Inches of Mercury Absolute"},
                 {"in. Hg (g)", E, "Inches of Mercury Gage"},
                 {"kg/cm2", S, "Kilograms per Square Centimeter Absolute"},
                 {"kg/cm2 (g)", S, "Kilograms per Square Centimeter Gage"},
                 {"kPa", S, "Kilopascals Absolute"},
                 {"kPa (g)", S, "Kilopascals Gage"},
                 {"mm H2O std.", S, "Millimeters of Water Column Absolute"},
                 {"mm H2O std. (g)", S, "Millimeters of Water Column Gage"},
                 {"mm Hg", S, "Millimeters of Mercury Absolute"},
                 {"mm Hg (g)", S, "Millimeters of Mercury Gage"},
                 {"MPa", S, "Megapascals Absolute"},
                 {"MPa (g)", S, "Megapascals Gage"},
                 {"Pascals", S, "Pascals Absolute"},
                 {"Pascals (g)", S, "Pascals Gage"},
                 {"psfa", E, "Pounds Force per Square Foot Absolute"},
                 {"psfg", E, "Pounds Force per Square Foot Gage"},
                 {"psia", E, "Pounds Force per Square Inch Absolute"},
                 {"psig", E, "Pounds Force per Square Inch Gage"}});
}

void BuildTemperatureUnits(CUnitFamily& f)
{
    AddUnits(f, {{"deg. C", S, "Degrees Celsius"},
                 {"deg. F", E, "Degrees F"},
                 {"deg. K", S, "Degrees Kelvin"},
                 {"deg. R", E, "Degrees Rankine"}});
}

// The pressure units shared by the differential and absolute families; the last two differ.
void BuildPlainPressureUnits(CUnitFamily& f, std::initializer_list<Unit> englishPounds)
{
    AddUnits(f, {{"atm", B, "Atmospheres"},
                 {"bar", B, "Bars Absolute"},
                 {"dyn/cm2", S, "Dynes per Square Centimeter"},
                 {"ft. H2O std.", E, "Feet of Water Column"},
                 {"in. H2O std.", E, "Inches of Water Column"},
                 {"in. Hg", E, "Inches of Mercury"},
                 {"kg/cm2", S, "Kilograms per Square Centimeter"},
                 {"kPa", S, "Kilopascals"},
                 {"mm H2O std.", S, "Millimeters of Water Column"},
                 {"mm Hg", S, "Millimeters of Mercury"},
                 {"MPa", S, "Megapascals"},
                 {"Pascals", S, "Pascals"}});
    AddUnits(f, englishPounds);
}

void BuildPowerUnits(CUnitFamily& f)
{
    AddRates(f,
             {{"Btu", "British Thermal Units"}, {"cal", "Calories"}, {"ft-lbf", "Foot Pound Force"},
              {"kcal", "Kilocalories"}, {"kJ", "Kilojoules"}},
             {{"Btu", "day", E}, {"Btu", "hr", E}, {"Btu", "min", E}, {"Btu", "s", E},
              {"cal", "day", S}, {"cal", "hr", S}, {"cal", "min", S}, {"cal", "s", S},
              {"ft-lbf", "day", E}, {"ft-lbf", "hr", E}, {"ft-lbf", "min", E}, {"ft-lbf", "s", E},
              {"kcal", "day", S}, {"kcal", "hr", S}, {"kcal", "min", S}, {"kcal", "s", S},
              {"kJ", "day", S}, {"kJ", "hr", S}});
    AddUnits(f, {{"hp", E, "Horsepower"}, {"kW", S, "Kilowatts"}, {"MW", S, "Megawatts"}, {"W", S, "Watts"}});
}

void BuildSpecificHeatUnits(CUnitFamily& f)
{
    AddUnits(f, {{"Btu/lbm-R", E, "British Thermal Units per Pound Mass per Degree Rankine"},
                 {"cal/g-K", S, "Calories per Gram per Degree Kelvin"},
                 {"ft-lbf/lbm-R", E, "Foot Pound Force per Pound Mass per Degree Rankine"},
                 {"kJ/kg-K", S, "Kilojoules per kilogram per Degree Kelvin"}});
}

void BuildEnthalpyUnits(CUnitFamily& f)
{
    AddUnits(f, {{"Btu/lbm", E, "British Thermal Units per Pound Mass"},
                 {"ft-lbf/lbm", E, "Foot Pound Force per Pound Mass"},
                 {"kJ/kg", S, "Kilojoule per Kilogram"}});
}

void BuildResistanceUnits(CUnitFamily& f)
{
    const std::initializer_list<Words> times = {{"hr2", "Hours"}, {"min2", "Minutes"}, {"sec2", "Seconds"}};
    const std::initializer_list<Words> lengths = {
        {"cm5", "Centimeters"}, {"ft5", "Feet"}, {"in5", "Inches"}, {"m5", "Meters"}};
    for (const char* time : {"hr2", "min2", "sec2"}) {
        for (const char* length : {"cm5", "ft5", "in5", "m5"}) {
            const std::string l = length;
            const int system = (l == "ft5" || l == "in5") ? E : S;
            f.AddUnitType(std::string(time) + "/" + l, system, UnitInUse,
                          WordsOf(times, time) + " Squared per " + WordsOf(lengths, l) + " to the Fifth", 0);
        }
    }
}

} // namespace

void BuildUnitFamilies()
{
    ReleaseUnitFamilies();

    CUnitFamily* f = &NewFamily(0, "Length Units", "feet");
    f->Flag = 0;
    BuildLengthUnits(*f);
    SetDefaults(*f, "feet", "meters");

    f = &NewFamily(1, "Area Units", "feet2");
    f->Flag = 0;
    AddUnits(*f, {{"cm2", S, "Square Centimeters"},
                  {"feet2", E, "Square Feet"},
                  {"inches2", E, "Square Inches"},
                  {"meters2", S, "Square Meters"},
                  {"mm2", S, "Square Millimeters"}});
    SetDefaults(*f, "feet2", "meters2");

    f = &NewFamily(2, "Volume Units", "feet3");
    f->Flag = 0;
    AddUnits(*f, {{"acre-ft", E, "Acre Feet"},
                  {"barrels", E, "Barrels"},
                  {"cm3", S, "Cubic Centimeters"},
                  {"feet3", E, "Cubic Feet"},
                  {"gal", E, "Gallons"},
                  {"gal-UK", E, "U.K. Gallons"},
                  {"inches3", E, "Cubic Inches"},
                  {"liter", S, "Liters"},
                  {"meters3", S, "Cubic Meters"},
                  {"ml", S, "Milliliters"},
                  {"mm3", S, "Cubic Millimeters"}});
    SetDefaults(*f, "feet3", "meters3");

    f = &NewFamily(3, "Velocity Units", "feet/sec");
    AddRates(*f,
             {{"cm", "Centimeters"}, {"feet", "Feet"}, {"inches", "Inches"}, {"km", "Kilometers"},
              {"meters", "Meters"}, {"miles", "Miles"}},
             {{"cm", "hr", S}, {"cm", "min", S}, {"cm", "sec", S}, {"feet", "day", E}, {"feet", "hr", E},
              {"feet", "min", E}, {"feet", "sec", E}, {"inches", "min", E}, {"inches", "sec", E},
              {"km", "day", S}, {"km", "hr", S}, {"km", "min", S}, {"km", "sec", S}, {"meters", "day", S},
              {"meters", "hr", S}, {"meters", "min", S}, {"meters", "sec", S}, {"miles", "day", E},
              {"miles", "hr", E}});
    SetDefaults(*f, "feet/sec", "meters/sec");

    f = &NewFamily(4, "Volumetric Flow Rate Units", "ft3/sec");
    f->Flag = 0;
    {
        std::initializer_list<Words> words = {
            {"acre-ft", "Acre-Feet"}, {"barrels", "Barrels"}, {"cm3", "Cubic Centimeters"},
            {"ft3", "Cubic Feet"},    {"gal", "Gallons"},     {"gal-UK", "U.K. Gallons"},
            {"in3", "Cubic Inches"},  {"liter", "Liters"},    {"m3", "Cubic Meters"},
            {"mm3", "Cubic Millimeters"}};
        AddRates(*f, words,
                 {{"acre-ft", "day", E}, {"acre-ft", "hr", E}, {"acre-ft", "min", E}, {"acre-ft", "sec", E},
                  {"barrels", "day", E}, {"barrels", "hr", E}, {"barrels", "min", E}, {"barrels", "sec", E},
                  {"cm3", "hr", S},      {"cm3", "min", S},    {"cm3", "sec", S},     {"ft3", "day", E},
                  {"ft3", "hr", E},      {"ft3", "min", E},    {"ft3", "sec", E},     {"gal-UK", "day", E},
                  {"gal-UK", "hr", E},   {"gal-UK", "min", E}, {"gal-UK", "sec", E},  {"gal", "day", E},
                  {"gal", "hr", E},      {"gal", "min", E},    {"gal", "sec", E},     {"in3", "hr", E},
                  {"in3", "min", E},     {"in3", "sec", E},    {"liter", "hr", S},    {"liter", "min", S},
                  {"liter", "sec", S},   {"m3", "day", S},     {"m3", "hr", S},       {"m3", "min", S},
                  {"m3", "sec", S},      {"mm3", "hr", S},     {"mm3", "min", S},     {"mm3", "sec", S}});
    }
    SetDefaults(*f, "gal/min", "m3/sec");

    f = &NewFamily(5, "Mass Flow Rate Units", "lbm/sec");
    f->Flag = 0;
    BuildMassFlowUnits(*f);
    SetDefaults(*f, "lbm/sec", "kg/sec");

    f = &NewFamily(6, "Pressure Units", "psia");
    BuildPressureUnits(*f);
    SetDefaults(*f, "psia", "MPa");

    f = &NewFamily(7, "Temperature Units", "deg. F");
    BuildTemperatureUnits(*f);
    SetDefaults(*f, "deg. F", "deg. C");

    f = &NewFamily(8, "Density Units", "lbm/ft3");
    AddUnits(*f, {{"gram/cm3", S, "Grams per Cubic Centimeter"},
                  {"gram/liter", S, "Grams per Liter"},
                  {"kg/cm3", S, "Kilograms per Cubic Centimeter"},
                  {"kg/liter", S, "Kilograms per Liter"},
                  {"kg/m3", S, "Kilograms per Cubic Meter"},
                  {"lbm/ft3", E, "Pounds Mass per Cubic Foot"},
                  {"lbm/gal", E, "Pounds Mass per Gallon"},
                  {"lbm/in3", E, "Pounds Mass per Cubic Inch"},
                  {"S.G. air", B, "Specific Gravity of Air", UnitNotOffered},
                  {"S.G. water", B, "Specific Gravity of Water"},
                  {"slug/ft3", E, "Slug per Cubic Foot"}});
    SetDefaults(*f, "lbm/ft3", "kg/m3");

    f = &NewFamily(9, "Power Units", "Btu/s");
    f->Flag = 0;
    BuildPowerUnits(*f);
    SetDefaults(*f, "hp", "kW");

    f = &NewFamily(10, "Diameter Units", "feet");
    f->Flag = 0;
    AddUnits(*f, {{"cm", S, "Centimeters"},
                  {"feet", E, "Feet"},
                  {"inches", E, "Inches"},
                  {"meters", S, "Meters"},
                  {"microinches", E, "One-millionth of an inch"},
                  {"mm", S, "Millimeters"}});
    SetDefaults(*f, "inches", "cm");

    f = &NewFamily(11, "Pressure Differential Units", "psid");
    f->Flag = 0;
    BuildPlainPressureUnits(*f, {{"psfd", E, "Pounds Force per Square Foot Differential"},
                                 {"psid", E, "Pounds Force per Square Inch Differential"}});
    SetDefaults(*f, "psid", "MPa");

    f = &NewFamily(12, "Pressure Absolute Units", "psia");
    f->Flag = 0;
    BuildPlainPressureUnits(*f, {{"psfa", E, "Pounds Force per Square Foot Absolute"},
                                 {"psia", E, "Pounds Force per Square Inch Absolute"}});
    SetDefaults(*f, "psia", "MPa");

    f = &NewFamily(13, "Pressure Gradient Units", "psi/ft");
    f->Flag = 0;
    AddUnits(*f, {{"kPa/100 m", S, "Kilopascals per 100 Meters of Pipe"},
                  {"kPa/m", S, "Kilopascals per Meter of Pipe"},
                  {"MPa/100 m", S, "Megapascals per 100 Meters of Pipe"},
                  {"MPa/m", S, "Megapascals per Meter of Pipe"},
                  {"Pascals/100 m", S, "Pascals per 100 Meters of Pipe"},
                  {"Pascals/m", S, "Pascals per Meter of Pipe"},
                  {"psf/100 ft", E, "Pounds Force per Square Foot per 100 Feet of Pipe"},
                  {"psf/ft", E, "Pounds Force per Square Foot per Foot of Pipe"},
                  {"psf/in", E, "Pounds Force per Square Foot per Inch of Pipe"},
                  {"psi/100 ft", E, "Pounds Force per Square Inch per 100 Feet of Pipe"},
                  {"psi/ft", E, "Pounds Force per Square Inch per Foot of Pipe"},
                  {"psi/in", E, "Pounds Force per Square Inch per Inch of Pipe"}});
    SetDefaults(*f, "psi/100 ft", "kPa/m");

    f = &NewFamily(14, "Heat Flux Units", "Btu/s-ft2");
    f->Flag = 0;
    AddUnits(*f, {{"Btu/hr-ft2", E, "British Thermal Units per Hour per Square Foot"},
                  {"Btu/hr-in2", E, "British Thermal Units per Hour per Square Inch"},
                  {"Btu/s-ft2", E, "British Thermal Units per Second per Square Foot"},
                  {"Btu/s-in2", E, "British Thermal Units per Second per Square Inch"},
                  {"kJ/hr-cm2", S, "Kilojoules per Hour per Square Centimeter"},
                  {"kJ/hr-m2", S, "Kilojoules per Hour per Square Meter"},
                  {"kW/cm2", S, "Kilowatts per Square Centimeter"},
                  {"kW/m2", S, "Kilowatts per Square Meter"},
                  {"lbf/s-ft", E, "Pounds Force per Second per Square Foot"},
                  {"lbf/s-in", E, "Pounds Force per Second per Square Inch"},
                  {"MW/cm2", S, "Megawatts per Square Centimeter"},
                  {"MW/m2", S, "Megawatts per Square Meter"},
                  {"W/cm2", S, "Watts per Square Centimeter"},
                  {"W/m2", S, "Watts per Square Meter"}});
    SetDefaults(*f, "Btu/s-ft2", "kW/m2");

    f = &NewFamily(15, "Conductivity Units", "Btu/hr-ft-R");
    AddUnits(*f, {{"Btu-in/s-ft2-R", E, "British Thermal Units Inch per Second per Square Foot per Degree Rankine"},
                  {"Btu/hr-ft-R", E, "British Thermal Units per Hour per Foot per Degree Rankine"},
                  {"Btu/s-ft-R", E, "British Thermal Units per Second per Foot per Degree Rankine"},
                  {"cal/s-cm-K", S, "Calories per Second per Centimeter per Degree Kelvin"},
                  {"kW/m-K", S, "Kilowatts per Meter per Degree Kelvin"},
                  {"lbf/hr-R", E, "Pound Force per Hour per Degree Rankine"},
                  {"lbf/s-R", E, "Pound Force per Second per Degree Rankine"},
                  {"W/m-K", S, "Watts per Meter per Degree Kelvin"}});
    SetDefaults(*f, "Btu/hr-ft-R", "W/m-K");

    f = &NewFamily(16, "Specific Heat Units", "Btu/lbm-R");
    BuildSpecificHeatUnits(*f);
    SetDefaults(*f, "Btu/lbm-R", "kJ/kg-K");

    f = &NewFamily(17, "Convection Coefficient Units", "Btu/hr-ft2-R");
    f->Flag = 0;
    AddUnits(*f, {{"Btu/hr-ft2-R", E, "British Thermal Units per Hour per Square Foot per Degree Rankine"},
                  {"Btu/s-ft2-R", E, "British Thermal Units per Second per Square Foot per Degree Rankine"},
                  {"kW/m2-K", S, "Kilowatts per Square Meter per Degree Kelvin"},
                  {"W/m2-K", S, "Watts per Square Meter per Degree Kelvin"}});
    SetDefaults(*f, "Btu/hr-ft2-R", "W/m2-K");

    f = &NewFamily(18, "Resistance Units", "sec2/ft5");
    f->Flag = 0;
    BuildResistanceUnits(*f);
    SetDefaults(*f, "sec2/ft5", "sec2/m5");

    f = &NewFamily(19, "Viscosity Units", "lbm/s-ft");
    AddUnits(*f, {{"centipoise", B, "Centipoise"},
                  {"kg/sec-cm", S, "Kilograms per Second per Centimeter"},
                  {"kg/sec-m", S, "Kilograms per Second per Meter"},
                  {"kg/sec-mm", S, "Kilograms per Second per millimeter"},
                  {"lbf-hr/ft2", E, "Pound Force Hour per Square Foot"},
                  {"lbf-hr/in2", E, "Pound Force Hour per Square Inch"},
                  {"lbf-s/ft2", E, "Pound Force Second per Square Foot"},
                  {"lbf-s/in2", E, "Pound Force Second per Square Inch"},
                  {"lbm/hr-ft", E, "Pound Mass per Hour per Foot"},
                  {"lbm/hr-in", E, "Pound Mass per Hour per Inch"},
                  {"lbm/s-ft", E, "Pound Mass per Second per Foot"},
                  {"lbm/s-in", E, "Pound Mass per Second per Inch"},
                  {"Pa-sec", S, "Pascal Seconds"},
                  {"poise", B, "Poise"}});
    SetDefaults(*f, "lbm/hr-ft", "kg/sec-m");

    f = &NewFamily(20, "Monetary Units", "U.S. Dollars");
    f->Flag = 0;
    AddUnits(*f, {{"U.S. Dollars", B, "U.S. Dollars"}});
    SetDefaults(*f, "U.S. Dollars", "U.S. Dollars");

    f = &NewFamily(21, "Enthalpy Units", "Btu/lbm");
    BuildEnthalpyUnits(*f);
    SetDefaults(*f, "Btu/lbm", "kJ/kg");

    f = &NewFamily(22, "Percent/Fractional Units", "Decimal");
    AddUnits(*f, {{"Decimal", B, "Decimal"}, {"Percent", B, "Percent"}});
    SetDefaults(*f, "Percent", "Percent");

    f = &NewFamily(23, "Thermal Resistance Units", "hr-R/Btu");
    f->Flag = 0;
    AddUnits(*f, {{"hr-R/Btu", E, "Hour Degree Rankine per British Thermal Unit"},
                  {"K/kW", S, "Degree Kelvin per Kilowatt"},
                  {"K/W", S, "Degree Kelvin per Watt"},
                  {"s-R/Btu", E, "Second Degree Rankine per British Thermal Unit"}});
    SetDefaults(*f, "hr-R/Btu", "K/W");

    f = &NewFamily(24, "Time Units", "hours");
    f->Flag = 0;
    AddUnits(*f, {{"days", B, "Days"}, {"hours", B, "Hours"}, {"minutes", B, "Minutes"},
                  {"seconds", B, "Seconds"}, {"years", B, "Years"}});
    SetDefaults(*f, "years", "years");

    f = &NewFamily(25, "Heat Rate", "Btu/s");
    f->Flag = 0;
    BuildPowerUnits(*f);
    SetDefaults(*f, "Btu/s", "kW");

    f = &NewFamily(26, "Temperature Differential Units", "deg. F");
    BuildTemperatureUnits(*f);
    SetDefaults(*f, "deg. F", "deg. C");

    f = &NewFamily(27, "Weight per Length Units", "lbm/ft");
    f->Flag = 0;
    AddUnits(*f, {{"kg/cm", S, "Kilograms per centimeter"},
                  {"kg/m", S, "Kilograms per meter"},
                  {"lbm/ft", E, "Pounds mass per foot"},
                  {"lbm/in", E, "Pounds mass per inch"}});
    SetDefaults(*f, "lbm/ft", "kg/m");

    f = &NewFamily(28, "Mass Units", "lbm");
    f->Flag = 0;
    AddUnits(*f, {{"g", S, "Grams"}, {"kg", S, "Kilograms"}, {"lbm", E, "Pounds mass"},
                  {"m-ton", S, "Metric Tons"}, {"ton", E, "Tons"}});
    SetDefaults(*f, "lbm", "kg");

    f = &NewFamily(29, "Energy Units", "kW-hr");
    f->Flag = 0;
    AddUnits(*f, {{"Btu", E, "British Thermal Units"},
                  {"cal", S, "Calories"},
                  {"hp-hr", E, "Horsepower hours"},
                  {"kcal", S, "Kilocalories"},
                  {"kJ", S, "Kilojoules"},
                  {"kW-hr", B, "Kilowatt hours"},
                  {"MJ", S, "Megajoules"},
                  {"MW-hr", B, "Megawatt hours"},
                  {"W-hr", B, "Watt hours"}});
    SetDefaults(*f, "kW-hr", "kW-hr");

    f = &NewFamily(30, "Head Gradient Units", "ft/100 ft");
    f->Flag = 0;
    AddUnits(*f, {{"ft/100 ft", E, "Feet of head lost per 100 feet of pipe length"},
                  {"ft/ft", E, "Feet of head lost per foot of pipe"},
                  {"m/100 m", S, "Meters of head lost per 100 meters of pipe length"},
                  {"m/m", S, "Meters of head lost per meter of pipe"}});
    SetDefaults(*f, "ft/100 ft", "m/100 m");

    f = &NewFamily(31, "Valve Cv Units", "gpm/psid^0.5");
    f->Flag = 0;
    AddUnits(*f, {{"gpm/psid^0.5", B, "Valve liquid Cv in gallons per minute per square root of psid"}});
    SetDefaults(*f, "gpm/psid^0.5", "gpm/psid^0.5");

    f = &NewFamily(32, "Specific Volume Units", "");
    AddUnits(*f, {{"cm3/gram", S, "Cubic Centimeters per Gram"},
                  {"cm3/kg", S, "Cubic Centimeters per Kilogram"},
                  {"ft3/lbm", E, "Cubic Feet per Pound Mass"},
                  {"ft3/slug", E, "Cubic Feet per Slug"},
                  {"gal/lbm", E, "Gallons per Pound Mass"},
                  {"in3/lbm", E, "Cubic Inches per Pound Mass"},
                  {"liter/gram", S, "Liters per Gram"},
                  {"liter/kg", S, "Liters per Kilogram"},
                  {"m3/kg", S, "Cubic Meters per Kilogram"}});
    SetDefaults(*f, "ft3/lbm", "m3/kg");

    f = &NewFamily(33, "Entropy Units", "Btu/lbm-R");
    BuildSpecificHeatUnits(*f);
    SetDefaults(*f, "Btu/lbm-R", "kJ/kg-K");

    f = &NewFamily(34, "Internal Energy Units", "Btu/lbm");
    BuildEnthalpyUnits(*f);
    SetDefaults(*f, "Btu/lbm", "kJ/kg");

    f = &NewFamily(35, "Kinematic Viscosity Units", "");
    AddRates(*f, {{"m2", "Square Meters"}, {"cm2", "Square Centimeters"}, {"ft2", "Square Feet"},
                  {"in2", "Square Inches"}},
             {{"cm2", "hr", S}, {"cm2", "min", S}, {"cm2", "sec", S}, {"ft2", "hr", E}, {"ft2", "min", E},
              {"ft2", "sec", E}, {"in2", "hr", E}, {"in2", "min", E}, {"in2", "sec", E}, {"m2", "hr", S},
              {"m2", "min", S}, {"m2", "sec", S}});
    AddUnits(*f, {{"centistokes", B, "Centistokes"}, {"stokes", B, "Stokes"}});
    SetDefaults(*f, "centistokes", "centistokes");
}

} // namespace vq
