// Tolerant number parsing with the locale's decimal and thousands separators.
// The parsers never throw: text without a number yields 0, and a value outside
// the range of the result type yields 0 with the failure report set.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

// The locale's separators, UTF-8 (a separator may be several bytes, e.g. U+202F),
// and the zero of its digits, UTF-8; the other nine digits follow the zero in Unicode.
struct LocaleSeparators {
    std::string decimal = ".";
    std::string thousands = ",";
    std::string zeroDigit = "0";

    static LocaleSeparators English() { return {".", ","}; }
    static LocaleSeparators German() { return {",", "."}; }
};

// The program-wide separators. Start-up sets them from the user's locale;
// until then (and after ResetLocaleSeparators) they are the English ones.
extern std::string DecimalSymbol;
extern std::string ThousandsSeparator;

// Sets both separators and the locale's digits. An empty decimal symbol becomes "."
// and an empty thousands separator (or one equal to the decimal symbol) becomes ","
// (or "." when the decimal symbol is ","). A zero digit that is not one character
// beyond ASCII becomes "0". The digits 0-9 are read in every locale.
void SetLocaleSeparators(const LocaleSeparators& separators);
LocaleSeparators CurrentLocaleSeparators();
void ResetLocaleSeparators();
// The decimal symbol as the locale formats it.
std::string GetLocaleDecimalSymbol();

// Sets the separators for its lifetime and restores the previous ones (tests).
class ScopedLocaleSeparators {
public:
    explicit ScopedLocaleSeparators(const LocaleSeparators& separators);
    ~ScopedLocaleSeparators();
    ScopedLocaleSeparators(const ScopedLocaleSeparators&) = delete;
    ScopedLocaleSeparators& operator=(const ScopedLocaleSeparators&) = delete;

private:
    LocaleSeparators saved_;
};

// The text without blanks (' ') at both ends.
std::string_view TrimBlanks(std::string_view text);
// ASCII upper case; other bytes are kept.
std::string ToUpperAscii(std::string_view text);

// Parsers. failed receives the failure report (a value out of range).
double ParseDouble(std::string_view text, bool toLocaleDecimal, bool firstTokenOnly, bool& failed);
double ParseDouble(std::string_view text, bool toLocaleDecimal = false, bool firstTokenOnly = false);
float ParseSingle(std::string_view text, bool toLocaleDecimal, bool firstTokenOnly, bool& failed);
float ParseSingle(std::string_view text, bool toLocaleDecimal = false, bool firstTokenOnly = false);
std::int32_t ParseLong(std::string_view text, bool firstTokenOnly, bool& failed);
std::int32_t ParseLong(std::string_view text, bool firstTokenOnly = false);
std::int16_t ParseInteger(std::string_view text, bool& failed);
std::int16_t ParseInteger(std::string_view text);
bool ParseBoolean(std::string_view text);

// Strict conversions of a whole text in the locale's notation (blanks around it
// allowed), rounded half to even; false when the text is not such a number or
// the value is out of range.
bool ConvertLocaleLong(std::string_view text, std::int32_t& value);
bool ConvertLocaleInteger(std::string_view text, std::int16_t& value);
// A whole text in the locale's notation (blanks around it allowed) as a double;
// false when the text is not such a number or the value is out of range.
bool ConvertLocaleDouble(std::string_view text, double& value);

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfEven(double x);

// A number typed into a box: the whole text (blanks around it allowed) in the locale's
// notation, with the thousands separator only between groups of three digits before
// the decimal symbol ("1,234.5" in English, "1.234,5" in German) and never in a number
// with an exponent. value is 0 unless the verdict is Ok.
enum class TypedNumber { Ok, NotANumber, MisplacedSeparator, OutOfRange };
TypedNumber ReadTypedNumber(std::string_view text, double& value);
// The message that refuses text typed into the named box ("" for Ok). It names the
// locale's decimal symbol where the text would be a number with another one.
std::string TypedNumberMessage(TypedNumber verdict, const std::string& boxName, std::string_view text);

// Every "." replaced by DecimalSymbol (the text trimmed first).
std::string ToLocaleDecimal(std::string_view text);
// The first comma-separated token, leading commas skipped.
std::string TextBeforeComma(std::string_view text);
// Line feeds, carriage returns and thousands separators replaced by one blank each.
std::string RemoveThousandsSeparators(std::string_view text);
// Replaces every occurrence of find, searching again from the start after each
// replacement. An empty replacement stands for the character with code 21.
// When the replacement contains find, each occurrence is replaced once.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement, bool trimFirst);

} // namespace vq
