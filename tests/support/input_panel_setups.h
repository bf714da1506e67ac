// Filling the main window's input panel as a user does, and what the panel shows.
#pragma once

#include "app/thermix_main.h"
#include "common/number_parsing.h"

#include <QComboBox>
#include <QLineEdit>

#include <string>
#include <tuple>
#include <utility>

namespace vq::test {

// One set-up of the panel; numbers with ".", typed in the locale's notation.
struct PanelSetup {
    int mode, code1, code2;
    const char *units1, *units2, *value1, *end1, *value2, *end2, *inc2;
};

// Every mode, a saturated code in either row included.
inline const PanelSetup PanelSetups[] = {
    {0, 1, 2, "bar", "deg. F", "12.5", "", "300.25", "", ""},
    {1, 1, 3, "kPa", "kJ/kg", "100", "200.5", "2800", "2900", ""},
    {1, 2, 10, "deg. C", "", "150.5", "", "", "", ""},
    {1, 9, 1, "", "psia", "", "", "14.7", "", ""},
    {2, 1, 2, "MPa", "deg. C", "1", "", "100", "500", "50"},
};

inline void FillPanel(ThermixMain& m, const PanelSetup& s)
{
    m.TAB_InputMode->setCurrentIndex(s.mode);
    m.CMB_State1->setCurrentIndex(m.CMB_State1->findData(s.code1));
    m.CMB_State2->setCurrentIndex(m.CMB_State2->findData(s.code2));
    if (*s.units1)
        m.CMB_State1Units->setCurrentIndex(m.CMB_State1Units->findText(s.units1));
    if (*s.units2)
        m.CMB_State2Units->setCurrentIndex(m.CMB_State2Units->findText(s.units2));
    for (auto [box, text] : {std::pair{m.TXT_State1, s.value1}, {m.TXT_State1End, s.end1}, {m.TXT_State2, s.value2},
                             {m.TXT_State2End, s.end2}, {m.TXT_State2Inc, s.inc2}})
        if (box->isVisibleTo(&m))
            box->setText(QString::fromStdString(ToLocaleDecimal(text)));
}

// What the panel shows: the mode, then per row the property, its unit and the shown
// boxes ("-" for a hidden control).
inline std::string PanelSnapshot(ThermixMain& m)
{
    std::string s = std::to_string(m.GetInputMode());
    auto shown = [&](QWidget* w, const QString& text) { return w->isVisibleTo(&m) ? text.toStdString() : "-"; };
    for (auto [property, units, value, end, inc] :
         {std::tuple{m.CMB_State1, m.CMB_State1Units, m.TXT_State1, m.TXT_State1End, m.TXT_State1Inc},
          std::tuple{m.CMB_State2, m.CMB_State2Units, m.TXT_State2, m.TXT_State2End, m.TXT_State2Inc}})
        s += " | " + property->currentText().toStdString() + " " + shown(units, units->currentText()) + " " +
             shown(value, value->text()) + " " + shown(end, end->text()) + " " + shown(inc, inc->text());
    return s;
}

} // namespace vq::test
