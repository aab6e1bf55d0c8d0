#include "page_analysis_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quillet::fuzz::analyse_fuzz_input(data, size);
    return 0;
}
