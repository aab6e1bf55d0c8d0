#pragma once

#include "analysis/reference_list.h"

#include <cstddef>
#include <string_view>
#include <unordered_set>

namespace quillet {

// Appends to a reference list while keeping its file names unique: a file name is listed once,
// with the first reference that had it, counting the entries the list held before.
class UniqueReferenceAppender {
public:
    explicit UniqueReferenceAppender(ReferenceList& list);

    bool lists(std::string_view file_name) const;

    // Appends `reference` unless its file name is listed already.
    void append(Reference reference);

private:
    // The set holds list positions and compares them by their file names, so that no file name
    // is stored twice.
    struct FileNameOf {
        const ReferenceList* list;
        std::string_view operator()(std::string_view file_name) const { return file_name; }
        std::string_view operator()(std::size_t index) const { return (*list)[index].file_name; }
    };
    struct FileNameHash : FileNameOf {
        using is_transparent = void;
        template <typename Key>
        std::size_t operator()(const Key& key) const { return std::hash<std::string_view>{}(FileNameOf::operator()(key)); }
    };
    struct SameFileName : FileNameOf {
        using is_transparent = void;
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const { return FileNameOf::operator()(a) == FileNameOf::operator()(b); }
    };

    ReferenceList& m_list;
    std::unordered_set<std::size_t, FileNameHash, SameFileName> m_listed;
};

}
