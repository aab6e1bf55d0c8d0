#pragma once

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

// Runs the whole in-memory analysis of a page on one input: the bytes before the first line feed
// are the page address, the rest is the page text. Aborts when a generated page breaks the form
// the views rely on.
void analyse_fuzz_input(const std::uint8_t* data, std::size_t size);

}
