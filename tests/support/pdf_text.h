// Reading a written PDF back: its text, its pages and its information fields.
#pragma once

#include <cstdio>
#include <string>

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

inline std::string PdfText(const std::string& path)
{
    return CommandOutput("pdftotext -layout '" + path + "' - 2>/dev/null");
}

// The text of page n alone.
inline std::string PdfPageText(const std::string& path, int n)
{
    const std::string page = std::to_string(n);
    return CommandOutput("pdftotext -layout -f " + page + " -l " + page + " '" + path + "' - 2>/dev/null");
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

} // namespace vq::test
