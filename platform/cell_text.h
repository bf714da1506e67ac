// Cell texts of the results grid as Qt draws and measures them.
#pragma once

#include <QFontMetrics>
#include <QString>

#include <array>
#include <string>
#include <unordered_map>

class QFont;

namespace vq {

// A cell text as Qt draws it: CR LF and lone CR become line feeds.
QString ToDisplayText(const std::string& text);

// Widths in pixels of cell texts in one font, each text measured once. A text made
// only of digits, signs, points, blanks, "E" and "=" is added up from the advances of
// its characters when the font gives each of those characters one advance.
class TextWidths {
public:
    explicit TextWidths(const QFont& font);
    // The widest line of the text.
    int Pixels(const std::string& text);

private:
    bool AddUp(const std::string& text, int& pixels) const;
    int Measure(const std::string& text) const;

    QFontMetrics metrics_;
    bool addsUp_ = false;
    std::array<double, 128> advances_{}; // by character; 0 for the others
    std::unordered_map<std::string, int> measured_;
};

} // namespace vq
