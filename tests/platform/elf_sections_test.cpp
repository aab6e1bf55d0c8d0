#include "platform/elf_sections.h"
#include "platform/executable_resource.h"

#include "support/temp_directory.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <elf.h>
#include <functional>
#include <random>

namespace quillet::platform {
namespace {

using test::read_file;
using test::write_file;

constexpr std::uint64_t kLimit = 64 * 1024;

template <typename Record>
Record record_at(const std::string& bytes, std::size_t offset)
{
    Record record;
    std::memcpy(&record, bytes.data() + offset, sizeof record);
    return record;
}

template <typename Record>
void store_at(std::string& bytes, std::size_t offset, const Record& record)
{
    std::memcpy(bytes.data() + offset, &record, sizeof record);
}

// Offset of the section header named `name` in a well-formed file (test setup only).
std::size_t section_header_offset(const std::string& bytes, std::string_view name)
{
    const auto header = record_at<Elf64_Ehdr>(bytes, 0);
    const auto names = record_at<Elf64_Shdr>(bytes, header.e_shoff + header.e_shstrndx * header.e_shentsize);
    for (std::size_t index = 0; index < header.e_shnum; ++index) {
        const std::size_t offset = header.e_shoff + index * header.e_shentsize;
        const auto section = record_at<Elf64_Shdr>(bytes, offset);
        if (std::string_view(bytes.data() + names.sh_offset + section.sh_name) == name)
            return offset;
    }
    throw std::runtime_error("section not found");
}

using Corruption = std::function<void(std::string& bytes)>;

void patch_header(std::string& bytes, const std::function<void(Elf64_Ehdr&)>& change)
{
    auto header = record_at<Elf64_Ehdr>(bytes, 0);
    change(header);
    store_at(bytes, 0, header);
}

void patch_section(std::string& bytes, std::string_view name, const std::function<void(Elf64_Shdr&)>& change)
{
    const auto offset = section_header_offset(bytes, name);
    auto section = record_at<Elf64_Shdr>(bytes, offset);
    change(section);
    store_at(bytes, offset, section);
}

struct DamagedFile {
    const char* name;
    Corruption corrupt;
};

class ElfSectionsTest : public ::testing::Test {
protected:
    std::optional<std::string> read_section_of(const std::string& bytes)
    {
        const auto path = m_directory.path() / "program";
        write_file(path, bytes);
        return read_elf_section(path, kVersionSectionName, kLimit);
    }

    test::TempDirectory m_directory;
    const std::string m_program = read_file(QUILLET_LABELLED_PROGRAM);
};

TEST_F(ElfSectionsTest, FileWithoutTheSectionOrUnreadableGivesNothing)
{
    EXPECT_EQ(read_elf_section(QUILLET_PLAIN_PROGRAM, kVersionSectionName, kLimit), std::nullopt);
    EXPECT_EQ(read_elf_section(m_directory.path() / "missing", kVersionSectionName, kLimit), std::nullopt);
    EXPECT_EQ(read_elf_section(m_directory.path(), kVersionSectionName, kLimit), std::nullopt);
}

TEST_F(ElfSectionsTest, SectionLargerThanTheLimitGivesNothing)
{
    const auto size = read_file(QUILLET_VERSION_FILE).size();
    EXPECT_EQ(read_elf_section(QUILLET_LABELLED_PROGRAM, kVersionSectionName, size - 1), std::nullopt);
    EXPECT_TRUE(read_elf_section(QUILLET_LABELLED_PROGRAM, kVersionSectionName, size));
}

TEST_F(ElfSectionsTest, DamagedFilesGiveNothing)
{
    const std::vector<DamagedFile> cases = {
        {"empty file", [](std::string& bytes) { bytes.clear(); }},
        {"plain text", [](std::string& bytes) { bytes = "ProductName=Quillet\n"; }},
        {"magic only", [](std::string& bytes) { bytes.resize(SELFMAG); }},
        {"header cut short", [](std::string& bytes) { bytes.resize(sizeof(Elf64_Ehdr) - 1); }},
        {"header only", [](std::string& bytes) { bytes.resize(sizeof(Elf64_Ehdr)); }},
        {"cut in half", [](std::string& bytes) { bytes.resize(bytes.size() / 2); }},
        {"32-bit class", [](std::string& bytes) { bytes[EI_CLASS] = ELFCLASS32; }},
        {"foreign byte order", [](std::string& bytes) { bytes[EI_DATA] = ELFDATA2MSB; }},
        {"no section table", [](std::string& bytes) { patch_header(bytes, [](auto& h) { h.e_shoff = 0; }); }},
        {"section table past the end",
         [](std::string& bytes) { patch_header(bytes, [](auto& h) { h.e_shoff = ~Elf64_Off{0} - 8; }); }},
        {"entries too small", [](std::string& bytes) { patch_header(bytes, [](auto& h) { h.e_shentsize = 8; }); }},
        {"more entries than the file holds",
         [](std::string& bytes) { patch_header(bytes, [](auto& h) { h.e_shnum = 0xfeff; }); }},
        {"extended count beyond the file",
         [](std::string& bytes) {
             patch_header(bytes, [](auto& h) { h.e_shnum = 0; });
             auto first = record_at<Elf64_Shdr>(bytes, record_at<Elf64_Ehdr>(bytes, 0).e_shoff);
             first.sh_size = Elf64_Xword{1} << 60;
             store_at(bytes, record_at<Elf64_Ehdr>(bytes, 0).e_shoff, first);
         }},
        {"name table index out of range",
         [](std::string& bytes) { patch_header(bytes, [](auto& h) { h.e_shstrndx = h.e_shnum; }); }},
        {"name table past the end",
         [](std::string& bytes) {
             patch_section(bytes, ".shstrtab", [](auto& s) { s.sh_offset = ~Elf64_Off{0} - 2; });
         }},
        {"names cut off",
         [](std::string& bytes) { patch_section(bytes, ".shstrtab", [](auto& s) { s.sh_size = 1; }); }},
        {"name offset out of range",
         [](std::string& bytes) {
             patch_section(bytes, kVersionSectionName, [](auto& s) { s.sh_name = 0x7fffffff; });
         }},
        {"section past the end",
         [size = m_program.size()](std::string& bytes) {
             patch_section(bytes, kVersionSectionName, [size](auto& s) { s.sh_offset = size; });
         }},
        {"section of absurd size",
         [](std::string& bytes) {
             patch_section(bytes, kVersionSectionName, [](auto& s) { s.sh_size = Elf64_Xword{1} << 63; });
         }},
        {"section without bytes",
         [](std::string& bytes) {
             patch_section(bytes, kVersionSectionName, [](auto& s) { s.sh_type = SHT_NOBITS; });
         }},
    };
    for (const auto& damaged : cases) {
        SCOPED_TRACE(damaged.name);
        std::string bytes = m_program;
        damaged.corrupt(bytes);
        EXPECT_EQ(read_section_of(bytes), std::nullopt);
    }
}

// Random damage to the headers must never crash or read out of bounds (checked under the
// sanitizers); whatever comes back is either nothing or at most the limit.
TEST_F(ElfSectionsTest, RandomlyDamagedHeadersAreReadSafely)
{
    const auto header = record_at<Elf64_Ehdr>(m_program, 0);
    const std::size_t table_start = header.e_shoff;
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = m_program;
        for (int flip = 0; flip < 4; ++flip) {
            const bool in_header = random() % 2 == 0;
            const std::size_t span = in_header ? sizeof(Elf64_Ehdr) : bytes.size() - table_start;
            const std::size_t offset = (in_header ? 0 : table_start) + random() % span;
            bytes[offset] = static_cast<char>(random());
        }
        if (round % 3 == 0)
            bytes.resize(random() % bytes.size());
        const auto section = read_section_of(bytes);
        if (section) {
            EXPECT_LE(section->size(), kLimit);
        }
    }
}

}
}
