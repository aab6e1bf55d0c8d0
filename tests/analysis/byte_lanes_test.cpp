#include "analysis/byte_lanes.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace quillet {
namespace {

struct LaneCase {
    std::string bytes; // sixteen of them
    char wanted;
    std::uint32_t bits; // bit i for lane i
};

// The bit gathering and counting are where a slip in the arithmetic would hide.
TEST(ByteLanes, TestsTellWhichLanesHold)
{
    const std::vector<LaneCase> cases = {
        {"................", '<', 0x0000},
        {"<...............", '<', 0x0001},
        {"...............<", '<', 0x8000},
        {".......<<.......", '<', 0x0180},
        {"<<<<<<<<<<<<<<<<", '<', 0xffff},
        {"a<b<<c....<<<<<<", '<', 0xfc1a},
        {std::string("\0\xff\0\xff\0\xff\0\xff\0\xff\0\xff\0\xff\0\xff", 16), '\xff', 0xaaaa},
        {std::string("\x01\0\x01\0\x01\0\x01\0\x01\0\x01\0\x01\0\x01\0", 16), '\x01', 0x5555},
    };
    for (const LaneCase& c : cases) {
        ASSERT_EQ(c.bytes.size(), kLaneCount);
        const ByteLanes test = lanes_holding(load_lanes(c.bytes.data()), static_cast<unsigned char>(c.wanted));
        EXPECT_EQ(lane_bits(test), c.bits) << c.bytes;
        EXPECT_EQ(any_lane(test), c.bits != 0) << c.bytes;
        EXPECT_EQ(lanes_held(test), static_cast<std::size_t>(std::popcount(c.bits))) << c.bytes;
        if (c.bits != 0) {
            EXPECT_EQ(first_lane(c.bits), static_cast<std::size_t>(std::countr_zero(c.bits))) << c.bytes;
            EXPECT_EQ(last_lane(c.bits), static_cast<std::size_t>(31 - std::countl_zero(c.bits))) << c.bytes;
        }
    }
}

TEST(ByteLanes, TestsCombineLaneByLane)
{
    const std::string bytes = "<a<A<i<I<a >a<<ax";
    const ByteLanes lanes = load_lanes(bytes.data());
    const ByteLanes opening = lanes_holding(lanes, '<');
    const ByteLanes followed_by_a = lanes_holding(load_lanes(bytes.data() + 1) | in_every_lane(0x20), 'a');

    EXPECT_EQ(lane_bits(opening & followed_by_a), 0x4105u);
    EXPECT_EQ(lane_bits(opening | lanes_holding(lanes, '>')), 0x6955u);
}

}
}
