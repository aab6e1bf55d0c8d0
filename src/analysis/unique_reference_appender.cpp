#include "analysis/unique_reference_appender.h"

namespace quillet {

UniqueReferenceAppender::UniqueReferenceAppender(ReferenceList& list)
    : m_list(list)
    , m_listed(0, FileNameHash{{&list}}, SameFileName{{&list}})
{
    for (std::size_t index = 0; index < list.size(); ++index)
        m_listed.insert(index);
}

bool UniqueReferenceAppender::lists(std::string_view file_name) const
{
    return m_listed.find(file_name) != m_listed.end();
}

void UniqueReferenceAppender::append(Reference reference)
{
    if (lists(reference.file_name))
        return;
    m_list.push_back(std::move(reference));
    m_listed.insert(m_list.size() - 1);
}

}
