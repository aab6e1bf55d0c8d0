#include "views/pages_in_memory.h"

namespace quillet {

Result PagesInMemory::write(WorkFile file, std::string_view text) const
{
    m_texts[static_cast<std::size_t>(file)].assign(text);
    return Result::success();
}

const std::string& PagesInMemory::text_of(WorkFile file) const
{
    return m_texts[static_cast<std::size_t>(file)];
}

}
