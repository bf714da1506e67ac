#include "printing/layout/print_sections.h"

namespace vq {

void PrintSections::InitPrintSections()
{
    sections_ = {PrintSection{"Input Data", true, 0}, PrintSection{"Results", true, 2}};
}

std::string PrintSections::PrintFormatGeneralName(int i) const
{
    return Valid(i) ? sections_[static_cast<std::size_t>(i)].Name : std::string();
}

int PrintSections::PrintFormatGeneralControlType(int i) const
{
    return Valid(i) ? sections_[static_cast<std::size_t>(i)].ControlType : 0;
}

bool PrintSections::PrintFormatGeneralUse(int i) const
{
    return Valid(i) && sections_[static_cast<std::size_t>(i)].Use;
}

void PrintSections::SetPrintFormatGeneralUse(int i, bool use)
{
    if (Valid(i))
        sections_[static_cast<std::size_t>(i)].Use = use;
}

} // namespace vq
