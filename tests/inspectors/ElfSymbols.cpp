#include "tests/inspectors/ElfSymbols.h"

#include <cstring>
#include <elf.h>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

struct Symbol {
    std::string name;
    bool defined;
};

template <typename T>
T ReadAt(const std::string& image, std::size_t offset) {
    if (offset + sizeof(T) > image.size()) {
        throw std::runtime_error("truncated ELF file");
    }
    T value;
    std::memcpy(&value, image.data() + offset, sizeof(T));
    return value;
}

std::vector<Symbol> ExportedSymbols(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string image((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const auto header = ReadAt<Elf64_Ehdr>(image, 0);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64) {
        throw std::runtime_error(path + " is not a 64-bit ELF file");
    }
    std::vector<Symbol> symbols;
    for (unsigned i = 0; i < header.e_shnum; ++i) {
        const auto section =
            ReadAt<Elf64_Shdr>(image, header.e_shoff + std::size_t{i} * header.e_shentsize);
        if (section.sh_type != SHT_DYNSYM) {
            continue;
        }
        const auto strings = ReadAt<Elf64_Shdr>(
            image, header.e_shoff + std::size_t{section.sh_link} * header.e_shentsize);
        // Entry 0 is the null symbol.
        for (std::size_t offset = section.sh_offset + sizeof(Elf64_Sym);
             offset + sizeof(Elf64_Sym) <= section.sh_offset + section.sh_size;
             offset += sizeof(Elf64_Sym)) {
            const auto symbol = ReadAt<Elf64_Sym>(image, offset);
            if (ELF64_ST_BIND(symbol.st_info) == STB_LOCAL ||
                ELF64_ST_TYPE(symbol.st_info) == STT_SECTION) {
                continue;
            }
            const std::size_t nameAt = strings.sh_offset + symbol.st_name;
            if (nameAt >= image.size()) {
                throw std::runtime_error("bad symbol name in " + path);
            }
            symbols.push_back({std::string(image.c_str() + nameAt), symbol.st_shndx != SHN_UNDEF});
        }
    }
    return symbols;
}

std::vector<std::string> NamesOf(const std::string& path, bool defined) {
    std::vector<std::string> names;
    for (const Symbol& symbol : ExportedSymbols(path)) {
        if (symbol.defined == defined) {
            names.push_back(symbol.name);
        }
    }
    return names;
}

} // namespace

std::vector<std::string> DefinedDynamicSymbols(const std::string& path) {
    return NamesOf(path, true);
}

std::vector<std::string> UndefinedDynamicSymbols(const std::string& path) {
    return NamesOf(path, false);
}
