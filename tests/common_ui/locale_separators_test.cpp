#include "common/number_parsing.h"
#include "common/ui/locale_separators.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(LocaleSeparatorsFromQt, DefaultLocaleSetsTheCoreSeparators)
{
    const QLocale saved;
    ScopedLocaleSeparators restore(LocaleSeparators::English());

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    GetLocaleSeparators();
    EXPECT_EQ(DecimalSymbol, ",");
    EXPECT_EQ(ThousandsSeparator, ".");
    EXPECT_EQ(ParseDouble("1,5"), 1.5);

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    GetLocaleSeparators();
    EXPECT_EQ(DecimalSymbol, ".");
    EXPECT_EQ(ThousandsSeparator, ",");

    // A multi-byte group separator arrives whole (UTF-8).
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    GetLocaleSeparators();
    EXPECT_EQ(DecimalSymbol, ",");
    EXPECT_EQ(QString::fromStdString(ThousandsSeparator), QLocale().groupSeparator());
    EXPECT_EQ(ParseInteger("1" + ThousandsSeparator + "234"), 1234);

    QLocale::setDefault(saved);
}

} // namespace
} // namespace vq
