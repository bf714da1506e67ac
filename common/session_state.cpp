#include "common/session_state.h"

namespace vq {

bool TrapErrors = true;
bool UseIF97 = true;
bool DocumentSaved = true;
std::string DocumentName = UntitledDocument;
std::string CurrentInputFile = UntitledDocument;
std::string OutputFileName;
std::array<std::string, 4> RecentFiles;

void ResetSessionState()
{
    TrapErrors = true;
    UseIF97 = true;
    DocumentSaved = true;
    DocumentName = UntitledDocument;
    CurrentInputFile = UntitledDocument;
    OutputFileName.clear();
    RecentFiles = {};
}

} // namespace vq
