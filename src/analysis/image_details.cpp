#include "analysis/image_details.h"

#include "analysis/ascii_text.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace quillet {

namespace {

struct Source {
    std::string label;
    bool candidate = false; // a srcset, <picture> or lazy candidate, marked when shown
};

struct RowFacts {
    std::vector<Source> sources;
    bool named_rendered = false;
    bool named_served = false;
    bool shown_by_element = false;
};

std::string named_image_label(const NamedImage& image)
{
    std::string label(image_kind_label(image.kind));
    if (!image.descriptor.empty())
        label += " " + image.descriptor;
    if (image.kind == ImageKind::CssBackground && !image.element.empty())
        label += " " + image.element;
    return label;
}

bool is_candidate(ImageKind kind)
{
    return kind == ImageKind::ImgSrcset || kind == ImageKind::PictureSource || kind == ImageKind::Lazy;
}

std::string element_label(const ImageElementFacts& element)
{
    if (element.element == "input")
        return "input image";
    if (element.element == "video")
        return "video poster";
    if (element.element == "image")
        return "SVG image";
    return "img";
}

bool is_data_address(std::string_view address)
{
    return starts_with_ignoring_case(address, "data:");
}

// "image/gif" of "data:image/gif;base64,...".
std::string data_address_type(std::string_view address)
{
    const std::string_view rest = address.substr(5);
    return to_lower_ascii(rest.substr(0, rest.find_first_of(";,")));
}

class DetailsBuilder {
public:
    ImageDetailsRow* row_for(const std::string& address)
    {
        if (address.empty())
            return nullptr;
        if (const auto found = m_index.find(address); found != m_index.end())
            return &m_details.rows[found->second];
        if (m_details.rows.size() == kImageDetailsRowBound) {
            if (m_left_out.insert(address).second)
                ++m_details.left_out;
            return nullptr;
        }
        m_index.emplace(address, m_details.rows.size());
        m_facts.emplace_back();
        ImageDetailsRow& row = m_details.rows.emplace_back();
        row.address = address;
        return &row;
    }

    RowFacts& facts_of(const ImageDetailsRow& row) { return m_facts[&row - m_details.rows.data()]; }

    bool has_row(const std::string& address) const { return m_index.contains(address); }

    void add_source(ImageDetailsRow& row, std::string label, bool candidate = false)
    {
        auto& sources = facts_of(row).sources;
        if (std::none_of(sources.begin(), sources.end(), [&](const Source& s) { return s.label == label; }))
            sources.push_back({std::move(label), candidate});
    }

    void count_left_out(std::size_t count) { m_details.left_out += count; }

    ImageDetails finish()
    {
        for (auto& row : m_details.rows) {
            const RowFacts& facts = facts_of(row);
            // An element that names the address itself explains its showing; otherwise the engine
            // chose the candidate.
            const bool chosen = facts.shown_by_element &&
                                std::none_of(facts.sources.begin(), facts.sources.end(),
                                             [](const Source& s) { return !s.candidate && s.label == "img"; });
            for (const Source& source : facts.sources)
                row.sources.push_back(source.candidate && chosen ? source.label + " (shown)" : source.label);
            row.origin = facts.named_served     ? ImageOrigin::Served
                         : facts.named_rendered ? ImageOrigin::Added
                                                : ImageOrigin::Neither;
        }
        return std::move(m_details);
    }

private:
    ImageDetails m_details;
    std::vector<RowFacts> m_facts;
    std::unordered_map<std::string, std::size_t> m_index;
    std::unordered_set<std::string> m_left_out;
};

void add_named(DetailsBuilder& builder, const NamedImages& named, bool served)
{
    for (const NamedImage& image : named.images) {
        ImageDetailsRow* row = builder.row_for(image.url);
        if (!row)
            continue;
        builder.add_source(*row, named_image_label(image), is_candidate(image.kind));
        (served ? builder.facts_of(*row).named_served : builder.facts_of(*row).named_rendered) = true;
    }
}

void add_element(DetailsBuilder& builder, const ImageElementFacts& element)
{
    ImageDetailsRow* row = builder.row_for(element.url);
    if (!row)
        return;
    RowFacts& facts = builder.facts_of(*row);
    if (element.in_frame)
        builder.add_source(*row, "frame");
    else if (facts.sources.empty())
        builder.add_source(*row, element_label(element));
    facts.shown_by_element = facts.shown_by_element || element.shown_width > 0;
    row->natural_width = std::max(row->natural_width, element.natural_width);
    row->natural_height = std::max(row->natural_height, element.natural_height);
    if (std::uint64_t{element.shown_width} * element.shown_height >
        std::uint64_t{row->shown_width} * row->shown_height) {
        row->shown_width = element.shown_width;
        row->shown_height = element.shown_height;
    }
    if (!row->alt)
        row->alt = element.alt;
    if (element.element == "img" && !element.alt)
        row->notes |= NoAlternateText;
    if (element.element == "img" && !element.has_size_attributes)
        row->notes |= NoSizeAttributes;
    const bool one_pixel = element.natural_width == 1 && element.natural_height == 1;
    if (element.has_lazy_source && (is_data_address(element.url) || one_pixel))
        row->notes |= LazyPlaceholder;
}

void add_background(DetailsBuilder& builder, const ComputedBackground& background)
{
    ImageDetailsRow* row = builder.row_for(background.url);
    if (!row)
        return;
    if (background.in_frame) {
        builder.add_source(*row, "frame");
        return;
    }
    const auto& sources = builder.facts_of(*row).sources;
    const bool named_as_background = std::any_of(sources.begin(), sources.end(), [](const Source& s) {
        return s.label.starts_with(image_kind_label(ImageKind::CssBackground));
    });
    if (!named_as_background)
        builder.add_source(*row, std::string(image_kind_label(ImageKind::CssBackground)) + " " + background.element);
}

void add_resource(DetailsBuilder& builder, const LoadedResource& resource)
{
    const bool image_type = starts_with_ignoring_case(resource.mime_type, "image/");
    if (!image_type && !builder.has_row(resource.url))
        return;
    if (ImageDetailsRow* row = builder.row_for(resource.url))
        row->load = resource;
}

// Figures that need every fact of a row: its type, the failed load, the bytes a smaller copy saves.
void complete_row(ImageDetailsRow& row)
{
    if (row.load)
        row.type = row.load->mime_type;
    if (row.type.empty() && is_data_address(row.address))
        row.type = data_address_type(row.address);
    if (row.load && (row.load->failed || row.load->http_status >= 400))
        row.notes |= FailedToLoad;
    if (row.shown_width == 0 || row.shown_width * 2 >= row.natural_width)
        return;
    row.notes |= ShownSmall;
    if (!row.load || row.natural_height == 0)
        return;
    const double shown_share = (double(row.shown_width) * row.shown_height) /
                               (double(row.natural_width) * row.natural_height);
    row.bytes_saved = static_cast<std::uint64_t>(double(row.load->bytes) * std::max(0.0, 1.0 - shown_share));
}

}

ImageDetails BuildImageDetails(const NamedImages& rendered, const std::optional<NamedImages>& served,
                               const EngineImageFacts& engine)
{
    DetailsBuilder builder;
    add_named(builder, rendered, false);
    builder.count_left_out(rendered.left_out);
    if (served) {
        add_named(builder, *served, true);
        builder.count_left_out(served->left_out);
    }
    builder.count_left_out(engine.left_out);
    for (const auto& element : engine.elements)
        add_element(builder, element);
    for (const auto& background : engine.backgrounds)
        add_background(builder, background);
    for (const auto& resource : engine.resources)
        add_resource(builder, resource);
    ImageDetails details = builder.finish();
    for (auto& row : details.rows)
        complete_row(row);
    return details;
}

}
