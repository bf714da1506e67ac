// Reading a written PDF back: its text, its pages and its information fields.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace vq::test {

// Output of a command line, "" when it fails.
inline std::string CommandOutput(const std::string& command)
{
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// pdftotext's output with the letters of ligature glyphs (the font joins "fl" in a
// random folder name into one glyph) in place of their ligature characters.
inline std::string PdfToText(const std::string& arguments)
{
    std::string text = CommandOutput("pdftotext " + arguments + " - 2>/dev/null");
    static const char* const ligatures[][2] = {{"\uFB00", "ff"}, {"\uFB01", "fi"}, {"\uFB02", "fl"},
                                               {"\uFB03", "ffi"}, {"\uFB04", "ffl"}};
    for (const auto& [ligature, letters] : ligatures)
        for (size_t at; (at = text.find(ligature)) != std::string::npos;)
            text.replace(at, std::strlen(ligature), letters);
    return text;
}

inline std::string PdfText(const std::string& path)
{
    return PdfToText("-layout '" + path + "'");
}

// The text of page n alone.
inline std::string PdfPageText(const std::string& path, int n)
{
    const std::string page = std::to_string(n);
    return PdfToText("-layout -f " + page + " -l " + page + " '" + path + "'");
}

inline int PdfPages(const std::string& path)
{
    const std::string info = CommandOutput("pdfinfo '" + path + "' 2>/dev/null");
    const auto pos = info.find("Pages:");
    return pos == std::string::npos ? 0 : std::stoi(info.substr(pos + 6));
}

inline std::string PdfInfoField(const std::string& path, const std::string& field)
{
    const std::string info = CommandOutput("pdfinfo '" + path + "' 2>/dev/null");
    const auto pos = info.find(field + ":");
    if (pos == std::string::npos)
        return {};
    const auto end = info.find('\n', pos);
    std::string value = info.substr(pos + field.size() + 1, end - pos - field.size() - 1);
    value.erase(0, value.find_first_not_of(' '));
    return value;
}

struct PdfWord {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0; // points from the page's top-left corner
    std::string text;
};
struct PdfPageWords {
    double width = 0, height = 0; // points
    std::vector<PdfWord> words;
};

// Every page's size and its words with their boxes (pdftotext -bbox).
inline std::vector<PdfPageWords> PdfWordBoxes(const std::string& path)
{
    const std::string html = PdfToText("-bbox '" + path + "'");
    auto number = [&](size_t tag, const char* key) {
        const size_t at = html.find(std::string(" ") + key + "=\"", tag) + std::strlen(key) + 3;
        return std::stod(html.substr(at, html.find('"', at) - at));
    };
    std::vector<PdfPageWords> pages;
    for (size_t tag = html.find('<'); tag != std::string::npos; tag = html.find('<', tag + 1)) {
        if (html.compare(tag, 6, "<page ") == 0) {
            pages.push_back({number(tag, "width"), number(tag, "height"), {}});
        } else if (html.compare(tag, 6, "<word ") == 0 && !pages.empty()) {
            const size_t start = html.find('>', tag) + 1;
            std::string text = html.substr(start, html.find("</word>", start) - start);
            for (size_t amp; (amp = text.find("&amp;")) != std::string::npos;)
                text.replace(amp, 5, "&");
            pages.back().words.push_back(
                {number(tag, "xMin"), number(tag, "yMin"), number(tag, "xMax"), number(tag, "yMax"), text});
        }
    }
    return pages;
}

} // namespace vq::test
