// A fresh unit catalogue and value-initialised preference records for each test.
#pragma once

#include "common/preference_records.h"
#include "common/section_reader.h"
#include "units/conversion_factors.h"
#include "units/unit_catalogue.h"
#include "units/unit_family.h"

#include <gtest/gtest.h>

namespace vq::test {

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetPreferenceRecords();
        ResetReferenceDensities();
        BuildUnitFamilies();
    }
    void TearDown() override
    {
        ReleaseUnitFamilies();
        ResetReferenceDensities();
        ResetPreferenceRecords();
        ClearSectionArrays();
    }
};

} // namespace vq::test
