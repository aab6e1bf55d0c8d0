#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <string_view>

namespace quillet::test {

// CR and LF are one character to the search for file names.
inline bool same_matched_byte(char a, char b)
{
    const auto fold = [](char c) { return c == '\r' ? '\n' : c; };
    return fold(a) == fold(b);
}

// Random names and texts over small alphabets, so that names and near misses occur often.
class RandomText {
public:
    explicit RandomText(unsigned seed) : m_random(seed) {}

    std::string operator()(std::string_view alphabet, std::size_t length)
    {
        std::string text;
        for (std::size_t i = 0; i < length; ++i)
            text += alphabet[below(alphabet.size())];
        return text;
    }

    std::size_t below(std::size_t bound) { return m_random() % bound; }

private:
    std::mt19937 m_random;
};

}
