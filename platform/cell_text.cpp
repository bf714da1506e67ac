#include "platform/cell_text.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vq {
namespace {

constexpr char NumberCharacters[] = "0123456789+-.,E =";
// Past this many texts the measured widths are forgotten and measured anew.
constexpr std::size_t MaxMeasuredTexts = 100000;

} // namespace

QString ToDisplayText(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

TextWidths::TextWidths(const QFont& font) : metrics_(font)
{
    // One advance per character: alone and beside any other, with no kerning.
    const QFontMetricsF exact(font);
    for (char ch : std::string_view(NumberCharacters))
        advances_[static_cast<unsigned char>(ch)] = exact.horizontalAdvance(QString(QLatin1Char(ch)));
    addsUp_ = true;
    for (char a : std::string_view(NumberCharacters))
        for (char b : std::string_view(NumberCharacters)) {
            const QString pair = QString(QLatin1Char(a)) + QLatin1Char(b);
            if (exact.horizontalAdvance(pair) !=
                advances_[static_cast<unsigned char>(a)] + advances_[static_cast<unsigned char>(b)])
                addsUp_ = false;
        }
}

int TextWidths::Pixels(const std::string& text)
{
    if (text.empty())
        return 0;
    int pixels = 0;
    if (AddUp(text, pixels))
        return pixels;
    const auto known = measured_.find(text);
    if (known != measured_.end())
        return known->second;
    if (measured_.size() >= MaxMeasuredTexts)
        measured_.clear();
    pixels = Measure(text);
    measured_.emplace(text, pixels);
    return pixels;
}

bool TextWidths::AddUp(const std::string& text, int& pixels) const
{
    if (!addsUp_)
        return false;
    double sum = 0.0;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= advances_.size() || advances_[c] == 0.0)
            return false;
        sum += advances_[c];
    }
    // Rounded as the font's metrics round a whole text.
    pixels = static_cast<int>(std::floor(sum + 0.5));
    return true;
}

int TextWidths::Measure(const std::string& text) const
{
    int widest = 0;
    for (const QString& line : ToDisplayText(text).split(QLatin1Char('\n')))
        widest = std::max(widest, metrics_.horizontalAdvance(line));
    return widest;
}

} // namespace vq
