#include "common/section_reader.h"

#include "common/number_parsing.h"
#include "common/safe_file.h"
#include "common/section_heading.h"

#include <algorithm>
#include <limits>

namespace vq {

std::vector<std::string> SectionNames;
std::vector<std::string> SectionValues;

bool TextFileReader::Open(const std::string& path)
{
    Close();
    std::string text;
    std::string errorText;
    if (ReadWholeFile(path, text, errorText) != FileReadStatus::Ok)
        return false;
    SetText(text);
    return true;
}

void TextFileReader::SetText(std::string_view text)
{
    lines_.clear();
    pos_ = 0;
    open_ = true;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r')
            continue;
        lines_.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines_.emplace_back(text.substr(start));
}

void TextFileReader::Close()
{
    lines_.clear();
    pos_ = 0;
    open_ = false;
}

bool TextFileReader::ReadLine(std::string& line)
{
    if (!open_ || pos_ >= lines_.size())
        return false;
    line = lines_[pos_++];
    return true;
}

void ClearSectionArrays()
{
    SectionNames.clear();
    SectionValues.clear();
}

void GrowSectionArrays(int count)
{
    if (count <= 0) {
        SectionNames.assign(26, std::string());
        SectionValues.assign(26, std::string());
        return;
    }
    const std::size_t size = static_cast<std::size_t>(count) + 26;
    SectionNames.resize(size);
    SectionValues.resize(size);
}

int SectionCapacity()
{
    return SectionNames.empty() ? 0 : static_cast<int>(SectionNames.size()) - 1;
}

void FindSectionHeading(TextFileReader& file, std::string_view heading, int& status, bool partialMatch)
{
    if (TrimBlanks(heading).empty()) {
        status = SectionEmptyHeading;
        return;
    }
    if (!file.IsOpen()) {
        status = SectionReadError;
        return;
    }
    const std::string target = ToUpperAscii(heading);
    status = SectionFound;
    std::size_t start = file.Position();
    std::string line;
    for (;;) {
        file.Seek(start);
        while (file.ReadLine(line)) {
            if (IsSectionHeading(line, heading) ||
                (partialMatch && IsSectionHeadingLine(line) && ToUpperAscii(line).find(target) != std::string::npos))
                return;
        }
        if (start == 0) {
            status = SectionNotFound;
            return;
        }
        start = 0;
    }
}

void ReadSection(TextFileReader& file, std::string_view heading, int& count, bool partialMatch)
{
    count = 0;
    ClearSectionArrays();
    GrowSectionArrays(0);
    int status = SectionFound;
    FindSectionHeading(file, heading, status, partialMatch);
    if (status != SectionFound)
        return;
    std::size_t mark = file.Position();
    std::string line;
    if (!file.ReadLine(line))
        return; // the heading was the last line
    for (;;) {
        if (IsSectionHeadingLine(line))
            break;
        if (count >= SectionCapacity())
            GrowSectionArrays(count);
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && eq >= 1) {
            ++count;
            SectionNames[count] = ToUpperAscii(TrimBlanks(std::string_view(line).substr(0, eq)));
            SectionValues[count] = std::string(TrimBlanks(std::string_view(line).substr(eq + 1)));
        }
        mark = file.Position();
        if (!file.ReadLine(line))
            break;
    }
    SectionNames[0] = " " + std::to_string(count);
    file.Seek(mark);
}

void GetSectionValue(std::string_view key, int& index, std::string& value, std::string& errorText)
{
    int n = SectionNames.empty() ? 0 : ParseLong(SectionNames[0]);
    if (n > SectionCapacity() || n > static_cast<int>(SectionValues.size()) - 1)
        n = std::min(SectionCapacity(), static_cast<int>(SectionValues.size()) - 1);
    int start = index + 1;
    if (start > n || start < 1)
        start = 1;
    index = 0;
    const std::string wanted = ToUpperAscii(TrimBlanks(key));
    auto search = [&](int from, int to) {
        for (int i = from; i <= to; ++i) {
            if (SectionNames[static_cast<std::size_t>(i)] == wanted) {
                index = i;
                value = std::string(TrimBlanks(SectionValues[static_cast<std::size_t>(i)]));
                return true;
            }
        }
        return false;
    };
    if (search(start, n) || (start > 1 && search(1, n)))
        return;
    index = 0;
    errorText = "Can't find variable name " + std::string(key);
}

std::string GetListDelimiter(int kind)
{
    switch (kind) {
    case 1:
        return " ";
    case 2:
        return "\t";
    case 3:
        return "\\";
    case 4:
        return "  ";
    case 5:
        return "/";
    default:
        return ",";
    }
}

namespace {

// The steps of NextListItem with a delimiter text of any length.
void NextDelimitedItem(std::string_view text, int& pos, std::string_view delimiter, std::string& item, int& status)
{
    status = 0;
    const long long n = static_cast<long long>(text.size());
    long long p = pos == 0 ? 1 : pos;
    if (p < 0 || p > n) {
        status = 1;
        return;
    }
    const std::size_t hit = text.find(delimiter, static_cast<std::size_t>(p - 1));
    if (hit != std::string_view::npos) {
        const long long at = static_cast<long long>(hit) + 1;
        if (at == p) {
            item.clear();
            pos = static_cast<int>(at + 1);
            status = -1;
            return;
        }
        item = std::string(text.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(at - p)));
        pos = static_cast<int>(at + 1);
    } else {
        item = std::string(text.substr(static_cast<std::size_t>(p - 1)));
        pos = static_cast<int>(n + 1);
    }
    item = std::string(TrimBlanks(item));
}

// Positions are 16/32-bit in the callers; texts beyond that are not lists.
bool TooLong(std::string_view text)
{
    return text.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max());
}

} // namespace

void NextListItem(std::string_view text, int& pos, int kind, std::string& item, int& status)
{
    if (TooLong(text)) {
        status = 2;
        return;
    }
    NextDelimitedItem(text, pos, GetListDelimiter(kind).substr(0, 1), item, status);
}

namespace {

// The typed twins: the item split at the whole delimiter text, then converted
// by convert, which returns false for a conversion error (status 2).
template <typename T, typename Convert>
void NextTypedItem(std::string_view text, int& pos, int kind, T& item, int& status, Convert convert)
{
    if (TooLong(text)) {
        status = 2;
        return;
    }
    std::string work;
    NextDelimitedItem(text, pos, GetListDelimiter(kind), work, status);
    if (status == 0 && !convert(work, item))
        status = 2;
}

} // namespace

void NextLongItem(std::string_view text, int& pos, int kind, std::int32_t& item, int& status)
{
    NextTypedItem(text, pos, kind, item, status,
                  [](const std::string& work, std::int32_t& out) { return ConvertLocaleLong(work, out); });
}

void NextSingleItem(std::string_view text, int& pos, int kind, float& item, int& status)
{
    // Files hold "." as the decimal symbol whatever the locale; it is turned
    // into the locale's symbol first so that it is not taken for grouping.
    NextTypedItem(text, pos, kind, item, status, [](const std::string& work, float& out) {
        out = ParseSingle(work, true, false);
        return true;
    });
}

void NextIntegerItem(std::string_view text, int& pos, int kind, std::int16_t& item, int& status)
{
    NextTypedItem(text, pos, kind, item, status, [](const std::string& work, std::int16_t& out) {
        out = ParseInteger(work);
        return true;
    });
}

namespace {

template <typename T, typename Store>
void ParseList(std::string_view text, int first, int& count, std::vector<T>& values, int& status, std::string& name,
               Store store)
{
    status = 0;
    int pos = 1;
    const int upper = static_cast<int>(values.size()) - 1;
    const int last = count > 0 ? first + count - 1 : upper;
    std::string item;
    for (int i = first; i <= last; ++i) {
        int itemStatus = 0;
        NextListItem(text, pos, 0, item, itemStatus);
        if (itemStatus == 0) {
            if (i < 0 || i > upper || !store(values[static_cast<std::size_t>(i)], item)) {
                status = 1;
                name = "Parsing " + name;
                return;
            }
            continue;
        }
        if (count < 0) {
            count = i - 1;
            status = 0;
            name.clear();
            return;
        }
        status = 1;
        name = "Not enough data for " + name;
        return;
    }
    if (count < 0)
        count = last;
    name.clear();
}

} // namespace

void ParseIntegerList(std::string_view text, int first, int& count, std::vector<int>& values, int& status,
                      std::string& name)
{
    ParseList(text, first, count, values, status, name, [](int& out, const std::string& item) {
        std::int16_t v = 0;
        if (!ConvertLocaleInteger(item, v))
            return false;
        out = v;
        return true;
    });
}

void ParseTextList(std::string_view text, int first, int& count, std::vector<std::string>& values, int& status,
                   std::string& name)
{
    ParseList(text, first, count, values, status, name, [](std::string& out, const std::string& item) {
        out = item;
        return true;
    });
}

void ParseValueAndUnits(std::string_view text, float& value, std::string& units, std::string& name)
{
    int pos = 1;
    int status = 0;
    NextSingleItem(text, pos, 0, value, status);
    if (status == 0) {
        NextListItem(text, pos, 0, units, status);
        if (status == 0) {
            name.clear();
            return;
        }
    }
    name = "Can't determine value and units for " + name;
}

} // namespace vq
