#include "common/number_parsing.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vq {

std::string DecimalSymbol = ".";
std::string ThousandsSeparator = ",";

namespace {

// The locale's own digits 0-9 (UTF-8), read besides the ASCII ones; all empty
// where the locale writes ASCII digits.
std::array<std::string, 10> LocaleDigits;

// The code point of a text that is one UTF-8 character, else -1.
long DecodeOneCharacter(std::string_view text)
{
    if (text.empty())
        return -1;
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t size = lead < 0x80             ? 1
                             : (lead >> 5) == 0x06 ? 2
                             : (lead >> 4) == 0x0E ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
    if (size == 0 || text.size() != size)
        return -1;
    long code = size == 1 ? lead : lead & (0x7F >> size);
    for (std::size_t i = 1; i < size; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return -1;
        code = (code << 6) | (next & 0x3F);
    }
    return code;
}

std::string EncodeUtf8(long code)
{
    std::string out;
    if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (code & 0x3F));
    return out;
}

} // namespace

void SetLocaleSeparators(const LocaleSeparators& separators)
{
    DecimalSymbol = separators.decimal.empty() ? std::string(".") : separators.decimal;
    ThousandsSeparator = separators.thousands;
    if (ThousandsSeparator.empty() || ThousandsSeparator == DecimalSymbol)
        ThousandsSeparator = DecimalSymbol == "," ? "." : ",";
    // Ten digits from the zero on, none of them a surrogate.
    const long zero = DecodeOneCharacter(separators.zeroDigit);
    const bool ownDigits = zero >= 0x80 && zero + 9 <= 0x10FFFF && (zero > 0xDFFF || zero + 9 < 0xD800);
    for (long d = 0; d < 10; ++d)
        LocaleDigits[static_cast<std::size_t>(d)] = ownDigits ? EncodeUtf8(zero + d) : std::string();
}

LocaleSeparators CurrentLocaleSeparators()
{
    return {DecimalSymbol, ThousandsSeparator, LocaleDigits[0].empty() ? std::string("0") : LocaleDigits[0]};
}

void ResetLocaleSeparators()
{
    SetLocaleSeparators(LocaleSeparators::English());
}

std::string GetLocaleDecimalSymbol()
{
    return DecimalSymbol;
}

ScopedLocaleSeparators::ScopedLocaleSeparators(const LocaleSeparators& separators)
    : saved_(CurrentLocaleSeparators())
{
    SetLocaleSeparators(separators);
}

ScopedLocaleSeparators::~ScopedLocaleSeparators()
{
    SetLocaleSeparators(saved_);
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string ToUpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number gathered from text: value = 0.digits x 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits;     // significant digits, no leading zeros
    long long exponent = 0; // decimal exponent of the point before digits
    long long pending = 0;  // integer digits seen so far (before normalisation)
    bool evenGroups = true; // thousands separators only between groups of three digits, and no exponent
};

// Collects mantissa digits: leading zeros are dropped and the exponent kept.
class DigitCollector {
public:
    void Integer(char d)
    {
        if (d == '0' && out.digits.empty()) {
            return; // leading zero of the integer part
        }
        out.digits.push_back(d);
        ++intDigits;
    }
    void Fraction(char d)
    {
        if (d == '0' && out.digits.empty()) {
            ++fracZeros;
            return;
        }
        out.digits.push_back(d);
    }
    void Exponent(bool negative, long long e) { exp = negative ? -e : e; }
    DecimalDigits Finish(bool negative, bool evenGroups = true)
    {
        out.negative = negative;
        out.evenGroups = evenGroups;
        out.exponent = (out.digits.empty() ? 0 : intDigits - fracZeros) + exp;
        return out;
    }

private:
    DecimalDigits out;
    long long intDigits = 0;
    long long fracZeros = 0;
    long long exp = 0;
};

// Adds a digit to a saturating exponent.
long long AddExponentDigit(long long e, char d)
{
    constexpr long long cap = 1'000'000'000LL;
    return e >= cap ? cap : e * 10 + (d - '0');
}

enum class Conversion { Ok, OutOfRange };

// Converts gathered digits to T. Values below the smallest subnormal become 0.
template <typename T>
Conversion ToFloating(const DecimalDigits& d, T& value)
{
    value = 0;
    std::string digits = d.digits;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return Conversion::Ok;
    // The value lies in [10^(e-1), 10^e).
    if (d.exponent > 400)
        return Conversion::OutOfRange;
    if (d.exponent < -400)
        return Conversion::Ok;
    std::string text = digits;
    text += 'e';
    text += std::to_string(d.exponent - static_cast<long long>(digits.size()));
    T parsed{};
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (d.exponent > 0)
            return Conversion::OutOfRange;
        return Conversion::Ok; // underflow
    }
    if (ec != std::errc() || !std::isfinite(parsed))
        return Conversion::OutOfRange;
    value = d.negative ? -parsed : parsed;
    return Conversion::Ok;
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view what)
{
    return !what.empty() && text.substr(at, what.size()) == what;
}

// The text with the locale's own digits written as ASCII digits.
std::string WithAsciiDigits(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t d = 0;
        while (d < LocaleDigits.size() && !StartsWith(text, i, LocaleDigits[d]))
            ++d;
        if (d < LocaleDigits.size()) {
            out += static_cast<char>('0' + d);
            i += LocaleDigits[d].size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

// Whole text (already trimmed of blanks) as a number in the locale's notation:
// sign, digits (thousands separators between them), decimal symbol, digits,
// exponent; the digits ASCII or the locale's own. Returns false when the text is
// not such a number.
bool ReadLocaleNumber(std::string_view text, DecimalDigits& out)
{
    std::string ascii;
    std::string_view s = text;
    if (!LocaleDigits[0].empty()) {
        ascii = WithAsciiDigits(text);
        s = ascii;
    }
    const std::string& dec = DecimalSymbol;
    const std::string& group = ThousandsSeparator;
    DigitCollector collect;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    int mantissaDigits = 0;
    int run = 0; // digits since the last thousands separator
    bool grouped = false;
    bool evenGroups = true;
    while (i < s.size()) {
        if (IsDigit(s[i])) {
            collect.Integer(s[i]);
            ++mantissaDigits;
            ++run;
            ++i;
        } else if (mantissaDigits > 0 && StartsWith(s, i, group) && i + group.size() < s.size()
                   && IsDigit(s[i + group.size()])) {
            if (grouped ? run != 3 : run > 3)
                evenGroups = false;
            grouped = true;
            run = 0;
            i += group.size();
        } else {
            break;
        }
    }
    if (grouped && run != 3)
        evenGroups = false;
    if (StartsWith(s, i, dec)) {
        i += dec.size();
        while (i < s.size() && IsDigit(s[i])) {
            collect.Fraction(s[i]);
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegative = s[i] == '-';
            ++i;
        }
        if (i >= s.size() || !IsDigit(s[i]))
            return false;
        long long e = 0;
        while (i < s.size() && IsDigit(s[i]))
            e = AddExponentDigit(e, s[i++]);
        collect.Exponent(expNegative, e);
        // Nobody groups the digits of a number written with an exponent.
        if (grouped)
            evenGroups = false;
    }
    if (i != s.size())
        return false;
    out = collect.Finish(negative, evenGroups);
    return true;
}

bool IsSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// The leading number by fixed rules: blanks, tabs and line feeds are skipped
// anywhere, "." is the decimal point, "&H"/"&O" read hexadecimal/octal integers.
Conversion ReadLeadingNumber(std::string_view s, double& value)
{
    value = 0;
    std::size_t i = 0;
    auto skip = [&] {
        while (i < s.size() && IsSkipped(s[i]))
            ++i;
    };
    skip();
    if (i + 1 < s.size() && s[i] == '&') {
        const char kind = s[i + 1];
        const int base = (kind == 'h' || kind == 'H') ? 16 : (kind == 'o' || kind == 'O') ? 8 : 0;
        if (base != 0) {
            i += 2;
            double v = 0;
            for (;; ++i) {
                skip();
                if (i >= s.size())
                    break;
                const char c = s[i];
                int digit = -1;
                if (c >= '0' && c <= '7')
                    digit = c - '0';
                else if (base == 16 && (c == '8' || c == '9'))
                    digit = c - '0';
                else if (base == 16 && c >= 'a' && c <= 'f')
                    digit = c - 'a' + 10;
                else if (base == 16 && c >= 'A' && c <= 'F')
                    digit = c - 'A' + 10;
                if (digit < 0)
                    break;
                v = v * base + digit;
                if (!std::isfinite(v))
                    return Conversion::OutOfRange;
            }
            value = v;
            return Conversion::Ok;
        }
    }
    DigitCollector collect;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool point = false;
    int mantissaDigits = 0;
    for (;; ++i) {
        skip();
        if (i >= s.size())
            break;
        if (IsDigit(s[i])) {
            if (point)
                collect.Fraction(s[i]);
            else
                collect.Integer(s[i]);
            ++mantissaDigits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits > 0 && i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        while (j < s.size() && IsSkipped(s[j]))
            ++j;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        long long e = 0;
        bool any = false;
        for (;; ++j) {
            while (j < s.size() && IsSkipped(s[j]))
                ++j;
            if (j >= s.size() || !IsDigit(s[j]))
                break;
            e = AddExponentDigit(e, s[j]);
            any = true;
        }
        if (any)
            collect.Exponent(expNegative, e);
    }
    return ToFloating(collect.Finish(negative), value);
}

// Steps 6 and 7 of the tolerant parse on text whose separators are already blanks.
template <typename T>
T ConvertNumberText(std::string_view text, bool& failed)
{
    DecimalDigits whole;
    if (ReadLocaleNumber(TrimBlanks(text), whole)) {
        T value{};
        if (ToFloating(whole, value) == Conversion::OutOfRange) {
            failed = true;
            return 0;
        }
        return value;
    }
    double value = 0;
    if (ReadLeadingNumber(text, value) == Conversion::OutOfRange) {
        failed = true;
        return 0;
    }
    if constexpr (std::is_same_v<T, float>) {
        const float single = static_cast<float>(value);
        if (!std::isfinite(single)) {
            failed = true;
            return 0;
        }
        return single;
    } else {
        return value;
    }
}

template <typename T>
T ParseFloating(std::string_view text, bool toLocaleDecimal, bool firstTokenOnly, bool& failed)
{
    failed = false;
    std::string t(TrimBlanks(text));
    if (toLocaleDecimal)
        t = ToLocaleDecimal(t);
    if (firstTokenOnly)
        t = TextBeforeComma(t);
    // A whole number in the locale's notation, grouping included, is taken as it
    // stands: removing the separators first would read German "1.234,5" as 1234.
    DecimalDigits grouped;
    if (ReadLocaleNumber(TrimBlanks(t), grouped)) {
        T value{};
        if (ToFloating(grouped, value) == Conversion::OutOfRange) {
            failed = true;
            return 0;
        }
        return value;
    }
    t = RemoveThousandsSeparators(t);
    if (TrimBlanks(t).empty())
        return 0;
    return ConvertNumberText<T>(t, failed);
}

// Rounds half to even and checks the range of Int; false when out of range.
template <typename Int>
bool RoundToInteger(double x, Int& out)
{
    const double r = RoundHalfEven(x);
    if (!(r >= static_cast<double>(std::numeric_limits<Int>::min())
          && r <= static_cast<double>(std::numeric_limits<Int>::max())))
        return false;
    out = static_cast<Int>(r);
    return true;
}

template <typename Int>
bool ConvertLocaleWhole(std::string_view text, Int& value)
{
    DecimalDigits whole;
    double v = 0;
    if (!ReadLocaleNumber(TrimBlanks(text), whole) || ToFloating(whole, v) != Conversion::Ok)
        return false;
    return RoundToInteger(v, value);
}

} // namespace

double RoundHalfEven(double x)
{
    if (!std::isfinite(x))
        return x;
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

double ParseDouble(std::string_view text, bool toLocaleDecimal, bool firstTokenOnly, bool& failed)
{
    return ParseFloating<double>(text, toLocaleDecimal, firstTokenOnly, failed);
}

double ParseDouble(std::string_view text, bool toLocaleDecimal, bool firstTokenOnly)
{
    bool failed = false;
    return ParseDouble(text, toLocaleDecimal, firstTokenOnly, failed);
}

float ParseSingle(std::string_view text, bool toLocaleDecimal, bool firstTokenOnly, bool& failed)
{
    return ParseFloating<float>(text, toLocaleDecimal, firstTokenOnly, failed);
}

float ParseSingle(std::string_view text, bool toLocaleDecimal, bool firstTokenOnly)
{
    bool failed = false;
    return ParseSingle(text, toLocaleDecimal, firstTokenOnly, failed);
}

std::int32_t ParseLong(std::string_view text, bool firstTokenOnly, bool& failed)
{
    failed = false;
    std::string t(text);
    if (firstTokenOnly)
        t = TextBeforeComma(t);
    t = RemoveThousandsSeparators(t);
    if (TrimBlanks(t).empty())
        return 0;
    const double v = ConvertNumberText<double>(t, failed);
    std::int32_t out = 0;
    if (failed || !RoundToInteger(v, out)) {
        failed = true;
        return 0;
    }
    return out;
}

std::int32_t ParseLong(std::string_view text, bool firstTokenOnly)
{
    bool failed = false;
    return ParseLong(text, firstTokenOnly, failed);
}

std::int16_t ParseInteger(std::string_view text, bool& failed)
{
    failed = false;
    const std::string_view t = TrimBlanks(text);
    if (t.empty())
        return 0;
    DecimalDigits whole;
    if (!ReadLocaleNumber(t, whole))
        return 0;
    double v = 0;
    std::int16_t out = 0;
    if (ToFloating(whole, v) != Conversion::Ok || !RoundToInteger(v, out)) {
        failed = true;
        return 0;
    }
    return out;
}

std::int16_t ParseInteger(std::string_view text)
{
    bool failed = false;
    return ParseInteger(text, failed);
}

bool ParseBoolean(std::string_view text)
{
    const std::string_view t = TrimBlanks(text);
    DecimalDigits whole;
    if (!t.empty() && ReadLocaleNumber(t, whole)) {
        double v = 0;
        ReadLeadingNumber(t, v);
        return v != 0;
    }
    if (t.empty())
        return false;
    return std::string_view("FALSE").find(ToUpperAscii(t)) == std::string_view::npos;
}

bool ConvertLocaleDouble(std::string_view text, double& value)
{
    DecimalDigits whole;
    double v = 0;
    if (!ReadLocaleNumber(TrimBlanks(text), whole) || ToFloating(whole, v) != Conversion::Ok)
        return false;
    value = v;
    return true;
}

bool ConvertLocaleLong(std::string_view text, std::int32_t& value)
{
    return ConvertLocaleWhole(text, value);
}

bool ConvertLocaleInteger(std::string_view text, std::int16_t& value)
{
    return ConvertLocaleWhole(text, value);
}

TypedNumber ReadTypedNumber(std::string_view text, double& value)
{
    value = 0;
    const std::string_view t = TrimBlanks(text);
    DecimalDigits number;
    if (!ReadLocaleNumber(t, number)) {
        // A number but for its separators: a grouping the user did not mean.
        std::string ungrouped;
        for (std::size_t i = 0; i < t.size();) {
            if (StartsWith(t, i, ThousandsSeparator))
                i += ThousandsSeparator.size();
            else
                ungrouped += t[i++];
        }
        const bool grouping = ungrouped.size() != t.size() && ReadLocaleNumber(ungrouped, number);
        return grouping ? TypedNumber::MisplacedSeparator : TypedNumber::NotANumber;
    }
    if (!number.evenGroups)
        return TypedNumber::MisplacedSeparator;
    double v = 0;
    if (ToFloating(number, v) != Conversion::Ok)
        return TypedNumber::OutOfRange;
    value = v;
    return TypedNumber::Ok;
}

namespace {

// Whether the text would be a number with another decimal symbol in place of the
// locale's (one ".", "," or U+066B that is not the locale's grouping).
bool NumberWithOtherDecimalSymbol(std::string_view text)
{
    const std::string_view t = TrimBlanks(text);
    for (const std::string_view other : {".", ",", "\u066B"}) {
        const std::size_t at = t.find(other);
        if (other == DecimalSymbol || other == ThousandsSeparator || at == std::string_view::npos
            || t.find(other, at + other.size()) != std::string_view::npos)
            continue;
        std::string swapped(t);
        swapped.replace(at, other.size(), DecimalSymbol);
        DecimalDigits number;
        if (ReadLocaleNumber(swapped, number))
            return true;
    }
    return false;
}

} // namespace

std::string TypedNumberMessage(TypedNumber verdict, const std::string& boxName, std::string_view text)
{
    const std::string holds = "The " + boxName + " box holds \"" + std::string(text) + "\", which ";
    switch (verdict) {
    case TypedNumber::Ok: return {};
    case TypedNumber::NotANumber:
        if (NumberWithOtherDecimalSymbol(text))
            return holds + "is not a number. The decimal symbol is \"" + DecimalSymbol + "\".";
        return holds + "is not a number.";
    case TypedNumber::OutOfRange: return holds + "is out of range.";
    case TypedNumber::MisplacedSeparator: break;
    }
    return holds + "is not a number: the thousands separator \"" + ThousandsSeparator +
           "\" stands only between groups of three digits, and the decimal symbol is \"" + DecimalSymbol + "\".";
}

std::string ToLocaleDecimal(std::string_view text)
{
    return ReplaceText(text, ".", DecimalSymbol, true);
}

std::string TextBeforeComma(std::string_view text)
{
    while (!text.empty() && text.front() == ',')
        text.remove_prefix(1);
    return std::string(text.substr(0, text.find(',')));
}

std::string RemoveThousandsSeparators(std::string_view text)
{
    const std::string& sep = ThousandsSeparator.empty() ? std::string(",") : ThousandsSeparator;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\n' || text[i] == '\r') {
            out += ' ';
            ++i;
        } else if (StartsWith(text, i, sep)) {
            out += ' ';
            i += sep.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement, bool trimFirst)
{
    if (find == replacement)
        return std::string(text);
    if (trimFirst)
        text = TrimBlanks(text);
    std::string out(text);
    if (out.empty() || find.empty())
        return out;
    const std::string repl = replacement.empty() ? std::string(1, '\x15') : std::string(replacement);
    if (repl.find(find) != std::string::npos) {
        // Searching again from the start would never end: each occurrence
        // is replaced once, in one forward pass.
        std::string result;
        std::size_t from = 0;
        for (std::size_t at = out.find(find); at != std::string::npos; at = out.find(find, from)) {
            result.append(out, from, at - from);
            result += repl;
            from = at + find.size();
        }
        result.append(out, from, std::string::npos);
        return result;
    }
    // Searching again from the start after each replacement finds the
    // occurrence that ends first. So the text is read one character at a time
    // onto result, which never holds an occurrence; when result ends with
    // find, it is replaced, and the replacement is read again ahead of the
    // rest (pending, a stack), as it may join with what precedes it.
    // A guard against rewrites that never settle (no caller comes near it).
    constexpr std::size_t maxReplacements = std::size_t{1} << 22;
    constexpr std::size_t maxLength = std::size_t{1} << 26;
    std::string result;
    result.reserve(out.size());
    std::string pending;
    std::size_t next = 0;
    std::size_t replacements = 0;
    for (;;) {
        if (!pending.empty()) {
            result += pending.back();
            pending.pop_back();
        } else if (next < out.size()) {
            result += out[next++];
        } else {
            break;
        }
        if (result.size() < find.size() || result.compare(result.size() - find.size(), find.size(), find) != 0)
            continue;
        if (++replacements > maxReplacements || result.size() + pending.size() > maxLength)
            break;
        result.resize(result.size() - find.size());
        pending.append(repl.rbegin(), repl.rend());
    }
    result.append(pending.rbegin(), pending.rend());
    result.append(out, next, std::string::npos);
    return result;
}

} // namespace vq
