#include "views/source_page.h"

#include "analysis/byte_lanes.h"
#include "analysis/output_bounds.h"
#include "platform/large_buffers.h"
#include "views/file_name_matcher.h"
#include "views/html_escape.h"
#include "views/link_address.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace quillet {

namespace {

constexpr std::string_view kLinkStart = "<a href='";
constexpr std::string_view kLinkTextStart = "'>";
constexpr std::string_view kLinkEnd = "</a>";

// What a byte of the page becomes on the source page, padded to a word that is stored whole,
// and how many of its bytes count: most bytes stay as they are.
struct SourceText {
    std::array<char, sizeof(std::uint64_t)> bytes{};
    std::size_t length = 1;
};

constexpr SourceText source_text_spelled(std::string_view text)
{
    SourceText source{{}, text.size()};
    for (std::size_t i = 0; i < text.size(); ++i)
        source.bytes[i] = text[i];
    return source;
}

constexpr std::array<SourceText, 256> kSourceText = [] {
    std::array<SourceText, 256> source{};
    for (std::size_t byte = 0; byte < source.size(); ++byte)
        source[byte].bytes[0] = static_cast<char>(byte);
    source['&'] = source_text_spelled("&amp;");
    source['<'] = source_text_spelled("&lt;");
    source['\r'] = source_text_spelled("<BR>");
    source['\n'] = source_text_spelled("<BR>");
    return source;
}();

// The size of `text` on the source page, counted sixteen bytes a step.
std::size_t source_text_size(std::string_view text)
{
    static_assert(kSourceText['<'].length == kSourceText['\r'].length &&
                  kSourceText['<'].length == kSourceText['\n'].length);
    constexpr std::size_t kAmpersandGrowth = kSourceText['&'].length - 1;
    constexpr std::size_t kOtherGrowth = kSourceText['<'].length - 1;
    std::size_t size = text.size();
    for (; text.size() >= kLaneCount; text.remove_prefix(kLaneCount)) {
        const ByteLanes lanes = load_lanes(text.data());
        const ByteLanes others = lanes_holding(lanes, '<') | lanes_holding(lanes, '\r') | lanes_holding(lanes, '\n');
        size += kAmpersandGrowth * lanes_held(lanes_holding(lanes, '&')) + kOtherGrowth * lanes_held(others);
    }
    for (const char c : text)
        size += kSourceText[static_cast<unsigned char>(c)].length - 1;
    return size;
}

// The address of each entry's link as the page writes it, made once however often its name occurs.
class LinkAddresses {
public:
    explicit LinkAddresses(const std::vector<const Reference*>& entries)
    {
        m_ends.reserve(entries.size() + 1);
        m_ends.push_back(0);
        for (const Reference* entry : entries) {
            m_text.append(link_address_prefix(entry->url));
            append_html_escaped(m_text, entry->url);
            m_ends.push_back(m_text.size());
        }
    }

    std::string_view of(std::size_t entry) const
    {
        return std::string_view(m_text).substr(m_ends[entry], m_ends[entry + 1] - m_ends[entry]);
    }

private:
    std::string m_text;
    std::vector<std::size_t> m_ends;
};

// Writes the text of `byte` at `out` as a whole word, the room after the page taking the excess,
// and returns where its text ends.
char* write_source_text_of(char* out, char byte)
{
    const SourceText& source = kSourceText[static_cast<unsigned char>(byte)];
    std::memcpy(out, source.bytes.data(), source.bytes.size());
    return out + source.length;
}

// Eight bytes a step, which compilers turn into straight code: in HTML few stretches of bytes go
// by without one that changes, so looking for such stretches first would not pay.
char* write_source_text(char* out, std::string_view text)
{
    constexpr std::size_t kStep = 8;
    std::size_t next = 0;
    for (; next + kStep <= text.size(); next += kStep) {
        for (std::size_t i = 0; i < kStep; ++i)
            out = write_source_text_of(out, text[next + i]);
    }
    for (; next < text.size(); ++next)
        out = write_source_text_of(out, text[next]);
    return out;
}

// Writes the source page into a string sized beforehand, so that a huge page is never copied
// while it grows. The string has room for one more padded text beyond its end.
class SourcePageWriter {
public:
    explicit SourcePageWriter(std::size_t size)
        : m_page(platform::large_buffer(size + sizeof(SourceText::bytes)))
    {
        m_page.resize(size + sizeof(SourceText::bytes));
        m_next = m_page.data();
    }

    void copy(std::string_view text)
    {
        if (text.empty())
            return; // its data may be null, which memcpy must not see
        std::memcpy(m_next, text.data(), text.size());
        m_next += text.size();
    }

    void copy_as_source_text(std::string_view text) { m_next = write_source_text(m_next, text); }

    std::string finish()
    {
        m_page.resize(static_cast<std::size_t>(m_next - m_page.data()));
        return std::move(m_page);
    }

private:
    std::string m_page;
    char* m_next = nullptr;
};

// Image links first, then image tags: that order decides which address a repeated name links to.
std::vector<const Reference*> linkable_entries(const PageReferences& references)
{
    std::vector<const Reference*> entries;
    entries.reserve(references.image_links.size() + references.image_tags.size());
    for (const ReferenceList* list : {&references.image_links, &references.image_tags}) {
        for (const Reference& entry : *list)
            entries.push_back(&entry);
    }
    return entries;
}

// What a link to each entry adds to the page.
std::vector<std::size_t> link_costs(const LinkAddresses& addresses, std::size_t entry_count)
{
    std::vector<std::size_t> costs(entry_count);
    for (std::size_t entry = 0; entry < entry_count; ++entry)
        costs[entry] = kLinkStart.size() + addresses.of(entry).size() + kLinkTextStart.size() + kLinkEnd.size();
    return costs;
}

// The names are looked for as the page writes them; the links go to the decoded addresses.
FileNameMatcher::Matches find_file_names(std::string_view page_text, const std::vector<const Reference*>& entries,
                                         const FileNameMatcher::Budget& budget)
{
    std::vector<std::string_view> names;
    names.reserve(entries.size());
    for (const Reference* entry : entries)
        names.push_back(entry->name_as_written());
    return FileNameMatcher(names).find_within(page_text, budget);
}

}

GeneratedPage build_source_page(std::string_view page_text, const PageReferences& references, std::size_t reserved)
{
    const std::vector<const Reference*> entries = linkable_entries(references);
    const LinkAddresses addresses(entries);
    const std::vector<std::size_t> costs = link_costs(addresses, entries.size());
    const std::size_t text_size = source_text_size(page_text);
    const std::size_t bound = generated_page_bound(page_text.size());
    const std::size_t taken = text_size + reserved;
    const FileNameMatcher::Matches matches =
        find_file_names(page_text, entries, {costs, bound > taken ? bound - taken : 0});

    std::size_t page_size = text_size;
    for (const FileNameMatcher::Match& match : matches.found)
        page_size += costs[match.name];

    SourcePageWriter writer(page_size);
    std::size_t written = 0;
    for (const FileNameMatcher::Match& match : matches.found) {
        writer.copy_as_source_text(page_text.substr(written, match.position - written));
        writer.copy(kLinkStart);
        writer.copy(addresses.of(match.name));
        writer.copy(kLinkTextStart);
        writer.copy_as_source_text(page_text.substr(match.position, match.length));
        writer.copy(kLinkEnd);
        written = match.position + match.length;
    }
    writer.copy_as_source_text(page_text.substr(written));
    return {writer.finish(), matches.left_out};
}

}
