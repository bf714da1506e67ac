// The sections a printed report, preview, PDF or text output may hold, with the
// user's choice of which to include and whether each starts a new page.
#pragma once

#include <array>
#include <string>

namespace vq {

struct PrintSection {
    std::string Name;
    bool Use = true;
    int ControlType = 0;
};

class PrintSections {
public:
    static constexpr int NumPrintFormatGeneral = 2;

    PrintSections() { InitPrintSections(); }

    // "Input Data" and "Results", both used; every call brings Use back to true.
    void InitPrintSections();

    // Out-of-range indices read as an unused, unnamed section and ignore writes.
    std::string PrintFormatGeneralName(int i) const;
    int PrintFormatGeneralControlType(int i) const;
    bool PrintFormatGeneralUse(int i) const;
    void SetPrintFormatGeneralUse(int i, bool use);

    bool PrintSectionNewPage = false;

private:
    static bool Valid(int i) { return i >= 0 && i < NumPrintFormatGeneral; }
    std::array<PrintSection, NumPrintFormatGeneral> sections_;
};

} // namespace vq
