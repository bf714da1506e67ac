// A main window with a scripted Range calculation, for the graph window's tests.
#pragma once

#include "printing/graph_properties_form.h"

#include "app/thermix_main.h"
#include "equations/flag_values.h"
#include "preferences/output_mod.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "solver/result_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace vq::test {

class GraphWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables();
        main = std::make_unique<ThermixMain>();
        main->SetPointSource([this](int point, const PointInputs&, int, int) {
            // Parameter i at point j holds 100 j + i, except the cells made N/A.
            const bool f = OutputPrefs.RowColOrder[1] != 0;
            for (int i = 1; i <= OutputPrefs.NumParams; ++i) {
                const int id = OutputPrefs.ParamIds[static_cast<std::size_t>(i - 1)];
                double v = id == PropPhase ? -1.0 : 100.0 * point + i;
                if (notApplicable.count({id, point}))
                    v = NotApplicableValue;
                (f ? ResultTable(point, i) : ResultTable(i, point)) = v;
            }
            return false;
        });
        main->NewInputFile();
    }

    // A Range calculation: property 1 fixed at a value, property 2 stepped.
    void Calculate(int code1, const char* value1, const char* units1, int code2, const char* start, const char* end,
                   const char* inc, const char* units2)
    {
        main->TAB_InputMode->setCurrentIndex(RangeMode);
        Choose(main->CMB_State1, code1);
        main->CMB_State1Units->setCurrentIndex(main->CMB_State1Units->findText(units1));
        Choose(main->CMB_State2, code2);
        main->CMB_State2Units->setCurrentIndex(main->CMB_State2Units->findText(units2));
        ASSERT_EQ(main->CMB_State2Units->currentText(), units2);
        main->TXT_State1->setText(value1);
        main->TXT_State2->setText(start);
        main->TXT_State2End->setText(end);
        main->TXT_State2Inc->setText(inc);
        ui.mode = RangeMode;
        main->BTN_Calculate_Click();
        ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
        ASSERT_TRUE(main->IsToolEnabled(ToolCreateGraph));
    }

    // Temperatures in deg. F (or another unit) stepped at 150 psia.
    void CalculateRange(const char* start, const char* end, const char* inc, const char* units = "deg. F")
    {
        Calculate(PropPressure, "150", "psia", PropTemperature, start, end, inc, units);
    }

    std::unique_ptr<GraphPropertiesForm> OpenForm()
    {
        auto form = std::make_unique<GraphPropertiesForm>(*main);
        form->LoadFromMain();
        form->SettingUp = false; // as RangeShow does before showing the window
        return form;
    }

    static void Choose(QComboBox* list, int code)
    {
        const int i = list->findData(code);
        ASSERT_GE(i, 0) << code;
        list->setCurrentIndex(i);
    }

    static std::vector<int> Codes(const QComboBox* list)
    {
        std::vector<int> codes;
        for (int i = 0; i < list->count(); ++i)
            codes.push_back(list->itemData(i).toInt());
        return codes;
    }

    static bool ResultButtons(const GraphPropertiesForm& f)
    {
        return f.BTN_Print->isEnabled() && f.BTN_Save->isEnabled() && f.BTN_Copy->isEnabled();
    }

    test::RecordingUserInterface ui;
    std::unique_ptr<ThermixMain> main;
    std::set<std::pair<int, int>> notApplicable; // (code, point)
};

} // namespace vq::test
