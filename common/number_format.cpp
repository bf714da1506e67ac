#include "common/number_format.h"

#include "equations/flag_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vq {

int MagnitudeOf(double v)
{
    const double m = std::floor(std::log(std::fabs(v) * 1.00001) / 2.302585);
    if (!std::isfinite(m))
        return 0;
    return static_cast<int>(std::clamp(m, -1000.0, 1000.0));
}

void GetMagnitudeRange(std::span<const double> values, double& maxAbs, double& minAbs)
{
    maxAbs = 0;
    minAbs = 1e30;
    const double counted = GetFlagValue(0, 1);
    for (const double v : values) {
        if (!(v > counted))
            continue;
        const double a = std::fabs(v);
        if (a > maxAbs)
            maxAbs = a;
        if (a > 0 && a < minAbs)
            minAbs = a;
    }
}

namespace {

std::string Zeros(int n)
{
    return std::string(static_cast<std::size_t>(std::max(n, 0)), '0');
}

std::string ExponentialPattern(int digits)
{
    return "0." + Zeros(digits - 1) + "E+00";
}

} // namespace

std::string GetNumberPattern(double x, double magMax, double magMin, int digits, const OutputPreferences& prefs)
{
    digits = std::min(digits, 30);
    bool expo = prefs.UseExponential == 1;
    const int a = prefs.ColumnAlignment;
    int m1 = 0;
    int m2 = 0;
    int dec = 0;
    if (a == 1) {
        dec = digits;
        m1 = x == 0 ? 0 : MagnitudeOf(x);
    } else {
        m1 = magMax == 0 ? 1 : MagnitudeOf(magMax);
        m2 = magMin == 0 ? m1 : MagnitudeOf(magMin);
        if (magMax == 0 && magMin == 0)
            m2 = m1 - 1;
        dec = digits + m1 - m2;
        if (a >= 2 && m1 - m2 > prefs.MagnitudeLimit) {
            dec = digits;
            if (a == 2)
                m1 = x == 0 ? 0 : MagnitudeOf(x);
            else
                expo = true;
        }
    }
    if (m1 < -2 || expo || m1 - m2 >= 8 || m1 >= 9)
        return ExponentialPattern(digits);
    if (m1 < 0)
        return "0." + Zeros(dec - m1 - 1);
    std::string pattern;
    for (int i = 1; i <= m1; ++i) {
        pattern += '#';
        if ((m1 - i) % 3 == 0 && i < m1)
            pattern += ',';
    }
    pattern += '0';
    if (dec > m1)
        pattern += "." + Zeros(dec - m1 - 1);
    return pattern;
}

namespace {

struct Pattern {
    int minInt = 0;      // "0" places before the point
    bool grouping = false;
    bool point = false;
    int fixedDecimals = 0;    // "0" places after the point
    int optionalDecimals = 0; // "#" places after the point
    bool exponential = false;
    bool exponentPlus = false; // "E+": sign always shown
    int exponentDigits = 0;
};

Pattern ParsePattern(std::string_view text)
{
    Pattern p;
    std::size_t i = 0;
    bool afterPoint = false;
    bool sawDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '0' || c == '#') {
            sawDigit = true;
            if (afterPoint)
                (c == '0' ? p.fixedDecimals : p.optionalDecimals)++;
            else if (c == '0')
                ++p.minInt;
        } else if (c == ',' && !afterPoint && sawDigit) {
            p.grouping = true;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
            p.point = true;
        } else if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) {
            p.exponential = true;
            p.exponentPlus = text[i + 1] == '+';
            for (i += 2; i < text.size() && text[i] == '0'; ++i)
                ++p.exponentDigits;
            break;
        }
    }
    return p;
}

// The decimal digits of |x| to 15 significant digits: |x| = d.ddd x 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits SignificantDigits(double x)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    const std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
    Digits d;
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            d.digits += text[i];
    }
    std::string_view expText = text.substr(e + 1);
    if (!expText.empty() && expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), d.exponent);
    return d;
}

// Keeps the first keep digits (keep >= 0), rounding half away from zero; a
// carry out of the first digit adds a digit and raises the exponent.
void RoundTo(Digits& d, int keep)
{
    const auto n = static_cast<std::size_t>(keep);
    if (n >= d.digits.size()) {
        d.digits.append(n - d.digits.size(), '0');
        return;
    }
    const bool up = d.digits[n] >= '5';
    d.digits.resize(n);
    if (!up)
        return;
    std::size_t i = n;
    while (i > 0) {
        --i;
        if (d.digits[i] != '9') {
            ++d.digits[i];
            return;
        }
        d.digits[i] = '0';
    }
    d.digits.insert(d.digits.begin(), '1');
    ++d.exponent;
}

std::string Group(const std::string& integer, const std::string& separator)
{
    std::string out;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out += separator;
        out += integer[i];
    }
    return out;
}

// Drops trailing zeros of the optional decimals.
void TrimOptional(std::string& fraction, int fixed)
{
    while (static_cast<int>(fraction.size()) > fixed && fraction.back() == '0')
        fraction.pop_back();
}

bool AllZero(const std::string& text)
{
    return text.find_first_not_of('0') == std::string::npos;
}

std::string FormatFixed(double x, const Pattern& p, const LocaleSeparators& sep)
{
    const int k = p.fixedDecimals + p.optionalDecimals;
    std::string integer;
    std::string fraction;
    if (x == 0) {
        fraction = Zeros(k);
    } else {
        Digits d = SignificantDigits(x);
        const int keep = d.exponent + k + 1;
        if (keep < 0 || (keep == 0 && d.digits[0] < '5')) {
            fraction = Zeros(k);
        } else {
            if (keep == 0) {
                d = {"1", -k}; // rounds up to one unit of the last decimal
            } else {
                RoundTo(d, keep);
            }
            const int intLen = d.exponent + 1;
            if (intLen > 0) {
                integer = d.digits.substr(0, static_cast<std::size_t>(intLen));
                fraction = d.digits.substr(static_cast<std::size_t>(intLen));
            } else {
                fraction = Zeros(-intLen) + d.digits;
            }
            fraction.resize(static_cast<std::size_t>(k), '0');
        }
    }
    TrimOptional(fraction, p.fixedDecimals);
    if (static_cast<int>(integer.size()) < p.minInt)
        integer.insert(0, Zeros(p.minInt - static_cast<int>(integer.size())));
    std::string out;
    if (x < 0 && !(AllZero(integer) && AllZero(fraction)))
        out += '-';
    out += p.grouping ? Group(integer, sep.thousands) : integer;
    if (p.point)
        out += sep.decimal;
    out += fraction;
    return out;
}

std::string FormatExponential(double x, const Pattern& p, const LocaleSeparators& sep)
{
    const int places = p.fixedDecimals + p.optionalDecimals;
    Digits d;
    if (x == 0) {
        d.digits = Zeros(places + 1);
    } else {
        d = SignificantDigits(x);
        RoundTo(d, places + 1);
    }
    std::string fraction = d.digits.substr(1);
    TrimOptional(fraction, p.fixedDecimals);
    std::string out;
    if (x < 0)
        out += '-';
    out += d.digits.substr(0, 1);
    if (p.point)
        out += sep.decimal;
    out += fraction;
    out += 'E';
    if (d.exponent < 0)
        out += '-';
    else if (p.exponentPlus)
        out += '+';
    std::string exponent = std::to_string(std::abs(d.exponent));
    if (static_cast<int>(exponent.size()) < p.exponentDigits)
        exponent.insert(0, Zeros(p.exponentDigits - static_cast<int>(exponent.size())));
    return out + exponent;
}

} // namespace

std::string FormatWithPattern(double x, std::string_view pattern, const LocaleSeparators& separators)
{
    if (!std::isfinite(x))
        return "N/A";
    const Pattern p = ParsePattern(pattern);
    return p.exponential ? FormatExponential(x, p, separators) : FormatFixed(x, p, separators);
}

std::string FormatNumberText(double x, double magMax, double magMin, int digits, const LocaleSeparators& separators)
{
    if (!std::isfinite(x))
        return "N/A";
    return FormatWithPattern(x, GetNumberPattern(x, magMax, magMin, digits, OutputPrefs), separators);
}

std::string FormatNumberText(double x, double magMax, double magMin, int digits)
{
    return FormatNumberText(x, magMax, magMin, digits, CurrentLocaleSeparators());
}

std::string GeneralFormText(double value, int digits, const std::string& decimalSymbol)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string out;
    for (const char* ch = buffer; ch != result.ptr; ++ch) {
        if (*ch == '.')
            out += decimalSymbol;
        else if (*ch == 'e')
            out += 'E';
        else
            out += *ch;
    }
    return out;
}

std::string DefaultDoubleText(double value, const std::string& decimalSymbol)
{
    return std::isfinite(value) ? GeneralFormText(value, 15, decimalSymbol) : "N/A";
}

} // namespace vq
