#include "app/progress_bar_state.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace quillet {
namespace {

struct ProgressCase {
    const char* name;
    std::vector<std::pair<int, int>> reports; // (progress, maximum), in order
    float maximum;
    float value;
};

void PrintTo(const ProgressCase& table_case, std::ostream* stream)
{
    *stream << table_case.name;
}

class ProgressReports : public testing::TestWithParam<ProgressCase> {};

TEST_P(ProgressReports, EndWithTheStatedMaximumAndValue)
{
    ProgressBarState bar;
    for (const auto& [progress, maximum] : GetParam().reports)
        bar.accept(progress, maximum);
    EXPECT_FLOAT_EQ(bar.maximum(), GetParam().maximum);
    EXPECT_FLOAT_EQ(bar.value(), GetParam().value);
}

constexpr float kNone = ProgressBarState::kNoProgress;

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressReports,
    testing::Values(
        ProgressCase{"NothingYet", {}, 100.0F, 0.0F},
        ProgressCase{"PartWay", {{40, 100}}, 100.0F, 40.0F},
        ProgressCase{"FullBar", {{100, 100}}, 100.0F, 100.0F},
        ProgressCase{"BeyondTheMaximum", {{150, 100}}, 100.0F, kNone},
        ProgressCase{"Zero", {{0, 100}}, 100.0F, kNone},
        ProgressCase{"NegativeAfterTheLoad", {{100, 100}, {-1, 100}}, 100.0F, kNone},
        ProgressCase{"ZeroMaximumLeavesTheBar", {{40, 100}, {70, 0}}, 100.0F, 40.0F},
        ProgressCase{"NegativeMaximumLeavesTheBar", {{40, 100}, {-5, -10}}, 100.0F, 40.0F},
        ProgressCase{"MaximumShrinksBelowTheValue", {{500, 1000}, {5, 10}}, 10.0F, 5.0F},
        ProgressCase{"MaximumGrows", {{5, 10}, {500, 1000}}, 1000.0F, 500.0F},
        ProgressCase{"LargestMaximum", {{2147483647, 2147483647}}, 2147483647.0F, 2147483647.0F}),
    [](const testing::TestParamInfo<ProgressCase>& info) { return info.param.name; });

TEST(ProgressReport, SaysWhetherItChangedTheBar)
{
    ProgressBarState bar;
    EXPECT_TRUE(bar.accept(10, 100));
    EXPECT_FALSE(bar.accept(10, 0));
    EXPECT_FALSE(bar.accept(10, -100));
    EXPECT_TRUE(bar.accept(-1, 100));
}

}
}
