#include "common/ui/locale_separators.h"

#include "common/number_parsing.h"

#include <QLocale>

namespace vq {

void GetLocaleSeparators()
{
    const QLocale locale;
    SetLocaleSeparators({locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
                         locale.zeroDigit().toStdString()});
}

} // namespace vq
