#include "views/left_out_entries.h"

#include <vector>

namespace quillet {

namespace {

std::string counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

}

std::string left_out_summary(const LeftOutEntries& left_out)
{
    std::vector<std::string> parts;
    if (left_out.references > 0)
        parts.push_back(counted(left_out.references, "reference", "references"));
    if (left_out.links > 0)
        parts.push_back(counted(left_out.links, "source link", "source links"));
    if (left_out.images > 0)
        parts.push_back(counted(left_out.images, "image", "images"));
    if (parts.empty())
        return {};
    std::string summary = "Page too large to show whole: ";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            summary += i + 1 == parts.size() ? " and " : ", ";
        summary += parts[i];
    }
    return summary + " left out";
}

}
