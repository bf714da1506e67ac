// Deterministic mutations of a valid file, for the reader tests: bytes changed,
// dropped, repeated and spliced with texts that readers find hard.
#pragma once

#include <random>
#include <string>
#include <string_view>

namespace vq::test {

// Mutations per reader; sanitizer builds run the readers many times slower, and take fewer.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int MutationsPerReader = 150;
#else
inline constexpr int MutationsPerReader = 2000;
#endif

class FileMutator {
public:
    FileMutator(std::string valid, unsigned seed) : valid_(std::move(valid)), random_(seed) {}

    // The valid file with one to four mutations.
    std::string Next()
    {
        std::string text = valid_;
        const int count = Pick(1, 4);
        for (int i = 0; i < count; ++i)
            Mutate(text);
        return text;
    }

private:
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    std::size_t Place(const std::string& text) { return static_cast<std::size_t>(Pick(0, static_cast<int>(text.size()))); }

    void Mutate(std::string& text)
    {
        static constexpr std::string_view Splices[] = {
            "\r", "\n", "\r\n", "\r\r", "[", "]", "=", ",", ",,", " ", "-", "-1", "0", "1e308", "-1e308", "nan",
            "inf", "9223372036854775808", "-32769", "65536", "1.7976931348623157e308", "True", "x", "\t",
            std::string_view("\0", 1), "\xFF", "\xC3\xA9", "[Unit Preferences]", "[Output Preferences]", "[Toolbar]",
            "[Printer Font]", "[Last Files]", "[Property Database]", "[SEARCH PATHS]", "[Input]"};
        const std::size_t at = Place(text);
        switch (Pick(0, 6)) {
        case 0: // change a byte
            if (!text.empty())
                text[std::min(at, text.size() - 1)] = static_cast<char>(Pick(0, 255));
            break;
        case 1: // drop a run
            text.erase(at, static_cast<std::size_t>(Pick(1, 40)));
            break;
        case 2: // repeat a run
            text.insert(at, text.substr(at, static_cast<std::size_t>(Pick(1, 80))));
            break;
        case 3: // cut the file short
            text.resize(at);
            break;
        case 4: // a long run of one character
            text.insert(at, static_cast<std::size_t>(Pick(1, 5000)), "9,=\r \0"[Pick(0, 5)]);
            break;
        default: // splice a hard text
            text.insert(at, Splices[static_cast<std::size_t>(Pick(0, static_cast<int>(std::size(Splices)) - 1))]);
            break;
        }
    }

    std::string valid_;
    std::mt19937 random_;
};

} // namespace vq::test
