#include "common/list_routines.h"

#include "common/number_parsing.h"

#include <algorithm>
#include <numeric>

namespace vq {

int FindComboItemByText(const std::vector<std::string>& items, std::string_view text)
{
    text = TrimBlanks(text);
    const bool isPsi = text == "psi";
    const bool isPsf = text == "psf";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string_view item = items[i];
        if (item == text || (isPsi && item.starts_with("psi")) || (isPsf && item.starts_with("psf")))
            return static_cast<int>(i);
    }
    return -1;
}

int FindListItemByText(const std::vector<std::string>& items, std::string_view text)
{
    return FindComboItemByText(items, text);
}

int FindComboItemByData(const std::vector<int>& itemData, int value)
{
    const auto it = std::find(itemData.begin(), itemData.end(), value);
    return it == itemData.end() ? -1 : static_cast<int>(it - itemData.begin());
}

int FindListItemByData(const std::vector<int>& itemData, int value)
{
    return FindComboItemByData(itemData, value);
}

void SortParallelArrays(std::span<std::string> names, std::span<int> codes)
{
    const std::size_t n = std::min(names.size(), codes.size());
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return names[a] < names[b]; });
    std::vector<std::string> sortedNames(n);
    std::vector<int> sortedCodes(n);
    for (std::size_t i = 0; i < n; ++i) {
        sortedNames[i] = std::move(names[order[i]]);
        sortedCodes[i] = codes[order[i]];
    }
    std::move(sortedNames.begin(), sortedNames.end(), names.begin());
    std::copy(sortedCodes.begin(), sortedCodes.end(), codes.begin());
}

} // namespace vq
