#include "reference/vb_strings.h"

#include <algorithm>

namespace quillet::reference::vb {

namespace {

char fold(char c, Compare compare)
{
    return (compare == Compare::Text && c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool matches_at(std::string_view text, std::size_t index, std::string_view find, Compare compare)
{
    if (index + find.size() > text.size())
        return false;
    for (std::size_t i = 0; i < find.size(); ++i) {
        if (fold(text[index + i], compare) != fold(find[i], compare))
            return false;
    }
    return true;
}

bool is_letter(char c)
{
    const char lower = fold(c, Compare::Text);
    return lower >= 'a' && lower <= 'z';
}

// The next position at or after `from` where a match of `find` can start.
std::size_t next_candidate(std::string_view text, std::string_view find, Compare compare, std::size_t from)
{
    const char first = fold(find.front(), compare);
    if (compare == Compare::Binary || !is_letter(first))
        return text.find(first, from);
    const char both_cases[] = {first, static_cast<char>(first - 'a' + 'A')};
    return text.find_first_of(std::string_view(both_cases, 2), from);
}

}

long Len(std::string_view text)
{
    return static_cast<long>(text.size());
}

long InStr(std::string_view text, std::string_view find, Compare compare)
{
    for (std::size_t index = 0; index + find.size() <= text.size(); ++index) {
        if (matches_at(text, index, find, compare))
            return static_cast<long>(index) + 1;
    }
    return 0;
}

long InStrRev(std::string_view text, std::string_view find)
{
    for (std::size_t index = text.size(); index-- > 0;) {
        if (matches_at(text, index, find, Compare::Binary))
            return static_cast<long>(index) + 1;
    }
    return 0;
}

std::string Left(std::string_view text, long length)
{
    if (length < 0)
        throw InvalidProcedureCall();
    return std::string(text.substr(0, static_cast<std::size_t>(length)));
}

std::string Right(std::string_view text, long length)
{
    if (length < 0)
        throw InvalidProcedureCall();
    const auto kept = std::min(text.size(), static_cast<std::size_t>(length));
    return std::string(text.substr(text.size() - kept));
}

std::string Mid(std::string_view text, long start)
{
    return Mid(text, start, Len(text));
}

std::string Mid(std::string_view text, long start, long length)
{
    if (start < 1 || length < 0)
        throw InvalidProcedureCall();
    if (start > Len(text))
        return {};
    return std::string(text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length)));
}

std::string Replace(std::string_view text, std::string_view find, std::string_view replacement, Compare compare)
{
    if (find.empty())
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (std::size_t index = next_candidate(text, find, compare, 0); index != std::string_view::npos;
         index = next_candidate(text, find, compare, index)) {
        if (matches_at(text, index, find, compare)) {
            result.append(text.substr(copied, index - copied)).append(replacement);
            index += find.size();
            copied = index;
        } else {
            ++index;
        }
    }
    return result.append(text.substr(copied));
}

std::string LCase(std::string_view text)
{
    std::string result;
    for (const char c : text)
        result += fold(c, Compare::Text);
    return result;
}

std::vector<std::string> ReadLines(std::string_view file_text)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t index = 0;
    while (index < file_text.size()) {
        const char c = file_text[index++];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && index < file_text.size() && file_text[index] == '\n')
                ++index;
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

}
