// The logic of finding and ordering list and combo box items; the widgets
// hand in their item texts and item data.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The index of the first item equal to text (trimmed of blanks). A text "psi"
// (or "psf") also matches the first item that begins with it. -1 when none.
int FindComboItemByText(const std::vector<std::string>& items, std::string_view text);
int FindListItemByText(const std::vector<std::string>& items, std::string_view text);
// The index of the first item whose item data equals value; -1 when none.
int FindComboItemByData(const std::vector<int>& itemData, int value);
int FindListItemByData(const std::vector<int>& itemData, int value);

// Sorts names by exact (byte) comparison, carrying codes along; equal names
// keep their order. Sorts the first min(names.size(), codes.size()) entries.
void SortParallelArrays(std::span<std::string> names, std::span<int> codes);

} // namespace vq
