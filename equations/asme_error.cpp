#include "equations/asme_error.h"

namespace vq {

bool AsmeErrorFlag = false;
int AsmeErrorCode = 0;

void SetAsmeError(int code)
{
    AsmeErrorFlag = true;
    AsmeErrorCode = code;
}

void ClearAsmeError()
{
    AsmeErrorFlag = false;
    AsmeErrorCode = 0;
}

} // namespace vq
