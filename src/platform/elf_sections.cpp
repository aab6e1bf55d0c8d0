#include "platform/elf_sections.h"

#include <bit>
#include <cstring>
#include <elf.h>
#include <fstream>
#include <type_traits>

namespace quillet::platform {

namespace {

// Random access to a file that refuses every range reaching past its end.
class FileBytes {
public:
    explicit FileBytes(const std::filesystem::path& path)
        : m_stream(path, std::ios::binary)
    {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        m_size = error ? 0 : size;
    }

    std::uint64_t size() const { return m_size; }

    bool holds(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }

    std::optional<std::string> read(std::uint64_t offset, std::uint64_t length)
    {
        if (!m_stream || !holds(offset, length))
            return std::nullopt;
        std::string bytes(length, '\0');
        m_stream.seekg(static_cast<std::streamoff>(offset));
        m_stream.read(bytes.data(), static_cast<std::streamsize>(length));
        if (!m_stream)
            return std::nullopt;
        return bytes;
    }

    template <typename Record>
    std::optional<Record> read_record(std::uint64_t offset)
    {
        static_assert(std::is_trivially_copyable_v<Record>);
        const auto bytes = read(offset, sizeof(Record));
        if (!bytes)
            return std::nullopt;
        Record record;
        std::memcpy(&record, bytes->data(), sizeof(Record));
        return record;
    }

private:
    std::ifstream m_stream;
    std::uint64_t m_size = 0;
};

bool is_native_elf64(const Elf64_Ehdr& header)
{
    constexpr unsigned char native_data = std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;
    return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 && header.e_ident[EI_CLASS] == ELFCLASS64
           && header.e_ident[EI_DATA] == native_data;
}

// Where the section header table is and how many entries it has, with the extended numbering that
// files of 0xff00 sections or more keep in the first entry.
struct SectionTable {
    std::uint64_t offset = 0;
    std::uint64_t entry_size = 0;
    std::uint64_t count = 0;
    std::uint64_t name_table_index = 0;

    std::uint64_t entry_offset(std::uint64_t index) const { return offset + index * entry_size; }
};

std::optional<SectionTable> locate_section_table(FileBytes& file, const Elf64_Ehdr& header)
{
    if (header.e_shoff == 0 || header.e_shentsize < sizeof(Elf64_Shdr))
        return std::nullopt;
    SectionTable table{header.e_shoff, header.e_shentsize, header.e_shnum, header.e_shstrndx};

    if (table.count == 0 || table.name_table_index == SHN_XINDEX) {
        const auto first = file.read_record<Elf64_Shdr>(table.offset);
        if (!first)
            return std::nullopt;
        if (table.count == 0)
            table.count = first->sh_size;
        if (table.name_table_index == SHN_XINDEX)
            table.name_table_index = first->sh_link;
    }

    const bool fits = file.holds(table.offset, 0) && table.count <= (file.size() - table.offset) / table.entry_size;
    if (!fits || table.name_table_index >= table.count)
        return std::nullopt;
    return table;
}

std::optional<std::string_view> name_at(std::string_view name_table, std::uint64_t offset)
{
    if (offset >= name_table.size())
        return std::nullopt;
    const auto name = name_table.substr(offset);
    const auto end = name.find('\0');
    if (end == std::string_view::npos)
        return std::nullopt;
    return name.substr(0, end);
}

std::optional<std::string> section_contents(FileBytes& file, const Elf64_Shdr& section, std::uint64_t size_limit)
{
    if (section.sh_type == SHT_NOBITS || section.sh_size > size_limit)
        return std::nullopt;
    return file.read(section.sh_offset, section.sh_size);
}

}

std::optional<std::string> read_elf_section(const std::filesystem::path& path, std::string_view section_name,
                                            std::uint64_t size_limit)
{
    FileBytes file(path);
    const auto header = file.read_record<Elf64_Ehdr>(0);
    if (!header || !is_native_elf64(*header))
        return std::nullopt;
    const auto table = locate_section_table(file, *header);
    if (!table)
        return std::nullopt;

    const auto name_section = file.read_record<Elf64_Shdr>(table->entry_offset(table->name_table_index));
    if (!name_section)
        return std::nullopt;
    const auto name_table = section_contents(file, *name_section, file.size());
    if (!name_table)
        return std::nullopt;

    for (std::uint64_t index = 0; index < table->count; ++index) {
        const auto section = file.read_record<Elf64_Shdr>(table->entry_offset(index));
        if (!section)
            return std::nullopt;
        if (name_at(*name_table, section->sh_name) == section_name)
            return section_contents(file, *section, size_limit);
    }
    return std::nullopt;
}

}
