#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quillet {

// Sixteen bytes of text tested at once, each in its own lane, so that the loops over whole pages
// take sixteen bytes a step. ByteLanes is the compilers' portable vector type (GCC and Clang), a
// SIMD register where the machine has them. A comparison gives 0xff in each lane where it holds
// and 0 in the others; such tests combine with & and |.
using ByteLanes = unsigned char __attribute__((vector_size(16)));

inline constexpr std::size_t kLaneCount = sizeof(ByteLanes);

// The sixteen bytes from `bytes` on; the caller makes sure they exist.
inline ByteLanes load_lanes(const char* bytes)
{
    ByteLanes lanes;
    std::memcpy(&lanes, bytes, sizeof lanes);
    return lanes;
}

inline ByteLanes in_every_lane(unsigned char byte)
{
    return ByteLanes{} + byte;
}

inline ByteLanes lanes_equal(ByteLanes lanes, ByteLanes other)
{
    return ByteLanes(lanes == other);
}

inline ByteLanes lanes_holding(ByteLanes lanes, unsigned char byte)
{
    return lanes_equal(lanes, in_every_lane(byte));
}

// The two halves of a test as numbers whose byte i holds lane i of the half.
inline std::array<std::uint64_t, 2> lane_halves(ByteLanes test)
{
    std::array<std::uint64_t, 2> halves{};
    std::memcpy(halves.data(), &test, sizeof halves);
    if constexpr (std::endian::native == std::endian::big) {
        for (std::uint64_t& half : halves)
            half = __builtin_bswap64(half);
    }
    return halves;
}

inline bool any_lane(ByteLanes test)
{
    const std::array<std::uint64_t, 2> halves = lane_halves(test);
    return (halves[0] | halves[1]) != 0;
}

inline constexpr std::uint64_t kLowBitOfEachByte = 0x0101010101010101;

// A test as the bits of a number: bit i tells whether it holds in lane i.
inline std::uint32_t lane_bits(ByteLanes test)
{
    // The multiplication gathers the low bit of each byte into the top byte, byte 0 lowest.
    const auto gathered = [](std::uint64_t half) {
        return static_cast<std::uint32_t>(((half & kLowBitOfEachByte) * 0x0102040810204080) >> 56);
    };
    const std::array<std::uint64_t, 2> halves = lane_halves(test);
    return gathered(halves[0]) | gathered(halves[1]) << 8;
}

// In how many lanes a test holds.
inline std::size_t lanes_held(ByteLanes test)
{
    // The multiplication adds the low bits of all bytes up in the top byte: the baseline x86-64
    // set has no population count instruction.
    const auto added = [](std::uint64_t half) {
        return static_cast<std::size_t>(((half & kLowBitOfEachByte) * kLowBitOfEachByte) >> 56);
    };
    const std::array<std::uint64_t, 2> halves = lane_halves(test);
    return added(halves[0]) + added(halves[1]);
}

constexpr std::size_t first_lane(std::uint32_t bits)
{
    return static_cast<std::size_t>(std::countr_zero(bits));
}

constexpr std::size_t last_lane(std::uint32_t bits)
{
    return static_cast<std::size_t>(31 - std::countl_zero(bits));
}

}
