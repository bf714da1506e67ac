// Reader of the program's sectioned text files: a heading in square brackets
// followed by lines of key "=" value. One section is loaded at a time into the
// parallel lists SectionNames and SectionValues.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// A text held as lines, read one line at a time from a movable position.
// Lines end at LF, CR LF or a lone CR.
class TextFileReader {
public:
    TextFileReader() = default;
    // Reads the whole file; false (and closed) when it cannot be read.
    bool Open(const std::string& path);
    // Uses text in memory as the file.
    void SetText(std::string_view text);
    void Close();
    bool IsOpen() const { return open_; }

    // Reads the line at the position and moves past it; false at the end or when closed.
    bool ReadLine(std::string& line);
    bool AtEnd() const { return pos_ >= lines_.size(); }
    std::size_t Position() const { return pos_; }
    void Seek(std::size_t line) { pos_ = line < lines_.size() ? line : lines_.size(); }
    std::size_t LineCount() const { return lines_.size(); }

private:
    std::vector<std::string> lines_;
    std::size_t pos_ = 0;
    bool open_ = false;
};

// Element 0 of SectionNames holds the entry count as text with a leading blank;
// elements 1..count hold the keys (trimmed, upper case), SectionValues the
// trimmed values. Both lists have bounds 0..capacity.
extern std::vector<std::string> SectionNames;
extern std::vector<std::string> SectionValues;

// Status codes of FindSectionHeading.
enum SectionStatus : int { SectionFound = 0, SectionNotFound = 1, SectionReadError = 2, SectionEmptyHeading = 3 };

void ClearSectionArrays();
// Re-dimensions both lists to 0..count + 25, keeping entries when count > 0.
void GrowSectionArrays(int count);
// Highest index of the lists (0 when they were never dimensioned).
int SectionCapacity();

// Positions the file after the heading line, searching from the current
// position to the end and then once from the start. Only heading lines
// (IsSectionHeadingLine) match; partialMatch also takes one that holds heading.
void FindSectionHeading(TextFileReader& file, std::string_view heading, int& status, bool partialMatch);
// Loads the section under heading; count = number of key lines, 0 when the
// heading is missing or reading fails. The section ends at the next heading
// line; the file is left on it.
void ReadSection(TextFileReader& file, std::string_view heading, int& count, bool partialMatch);
// Looks key up after entry index (wrapping once); index = its entry, 0 when not found.
void GetSectionValue(std::string_view key, int& index, std::string& value, std::string& errorText);

// Delimiter kinds: 0 ",", 1 blank, 2 tab, 3 "\", 4 two blanks, 5 "/", other ",".
std::string GetListDelimiter(int kind);

// Next item of a delimited list from 1-based pos. status 0 item read, -1 empty
// item, 1 no more items, 2 conversion error (typed twins).
void NextListItem(std::string_view text, int& pos, int kind, std::string& item, int& status);
void NextLongItem(std::string_view text, int& pos, int kind, std::int32_t& item, int& status);
// NextSingleItem reads "." as the decimal point in every locale (file values).
void NextSingleItem(std::string_view text, int& pos, int kind, float& item, int& status);
void NextIntegerItem(std::string_view text, int& pos, int kind, std::int16_t& item, int& status);

// Fills values[first..] from a comma list. count > 0 demands that many items,
// 0 items up to the end of values, < 0 takes what there is and returns the
// index of the last element filled. On failure status = 1 and name holds the
// error text; on success name is "".
void ParseIntegerList(std::string_view text, int first, int& count, std::vector<int>& values, int& status,
                      std::string& name);
void ParseTextList(std::string_view text, int first, int& count, std::vector<std::string>& values, int& status,
                   std::string& name);

// Reads "value,units". On success name is ""; otherwise it holds the error text.
void ParseValueAndUnits(std::string_view text, float& value, std::string& units, std::string& name);

} // namespace vq
