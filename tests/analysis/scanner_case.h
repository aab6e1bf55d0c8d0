#pragma once

#include "analysis/reference_list.h"
#include "reference_printer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillet::test {

// One table row for a scanner: what the scanner lists for `page_text`, and what the literal
// version lists where the two differ on purpose (unset when both agree).
struct ScannerCase {
    std::string name;
    std::string page_address;
    std::string page_text;
    ReferenceList expected;
    std::optional<ReferenceList> literal = std::nullopt;
};

inline std::string case_name(const testing::TestParamInfo<ScannerCase>& info)
{
    return info.param.name;
}

}
