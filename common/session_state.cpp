#include "common/session_state.h"

namespace vq {

bool TrapErrors = true;
bool UseIF97 = true;
bool DocumentSaved = true;
unsigned long DocumentChanges = 0;
std::string DocumentName = UntitledDocument;
std::string CurrentInputFile = UntitledDocument;
std::string OutputFileName;
std::array<std::string, 4> RecentFiles;

void NoteDocumentChange()
{
    DocumentSaved = false;
    ++DocumentChanges;
}

void ResetSessionState()
{
    TrapErrors = true;
    UseIF97 = true;
    DocumentSaved = true;
    DocumentChanges = 0;
    DocumentName = UntitledDocument;
    CurrentInputFile = UntitledDocument;
    OutputFileName.clear();
    RecentFiles = {};
}

} // namespace vq
