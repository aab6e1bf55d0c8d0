#include "views/pages_in_memory.h"

namespace quillet {

std::string PagesInMemory::write(WorkFile file, std::string_view text) const
{
    m_texts[static_cast<std::size_t>(file)].assign(text);
    return {};
}

const std::string& PagesInMemory::text_of(WorkFile file) const
{
    return m_texts[static_cast<std::size_t>(file)];
}

}
