// Automation strings: one heap block holding the 32-bit byte length, the
// characters and a zero character, addressed by a pointer to the characters.
#include <cstdlib>
#include <cstring>
#include <limits>
#include <oleauto.h>

namespace {

constexpr std::size_t PrefixSize = sizeof(std::uint32_t);
constexpr std::size_t TerminatorSize = sizeof(OLECHAR);

std::byte* BlockOf(BSTR text) {
    return reinterpret_cast<std::byte*>(text) - PrefixSize;
}

BSTR AllocateBytes(const void* source, std::size_t byteLength) {
    if (byteLength > std::numeric_limits<std::uint32_t>::max() - PrefixSize - TerminatorSize) {
        return nullptr;
    }
    const std::size_t blockSize = PrefixSize + byteLength + TerminatorSize;
    // A string without a source starts zeroed; calloc gets large blocks as
    // fresh pages that are zero already, where malloc and memset would write
    // every byte once more before the caller fills them.
    auto* block = static_cast<std::byte*>(source != nullptr ? std::malloc(blockSize)
                                                            : std::calloc(1, blockSize));
    if (block == nullptr) {
        return nullptr;
    }
    const auto prefix = static_cast<std::uint32_t>(byteLength);
    std::memcpy(block, &prefix, PrefixSize);
    std::byte* characters = block + PrefixSize;
    if (source != nullptr) {
        std::memcpy(characters, source, byteLength);
        std::memset(characters + byteLength, 0, TerminatorSize);
    }
    return reinterpret_cast<BSTR>(characters);
}

} // namespace

BSTR SysAllocString(const OLECHAR* text) {
    if (text == nullptr) {
        return nullptr;
    }
    std::size_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return AllocateBytes(text, length * sizeof(OLECHAR));
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    if (length > std::numeric_limits<std::uint32_t>::max() / sizeof(OLECHAR)) {
        return nullptr;
    }
    return AllocateBytes(text, std::size_t{length} * sizeof(OLECHAR));
}

BSTR SysAllocStringByteLen(LPCSTR bytes, UINT length) {
    return AllocateBytes(bytes, length);
}

UINT SysStringByteLen(BSTR text) {
    if (text == nullptr) {
        return 0;
    }
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, BlockOf(text), PrefixSize);
    return prefix;
}

UINT SysStringLen(BSTR text) {
    return SysStringByteLen(text) / sizeof(OLECHAR);
}

void SysFreeString(BSTR text) {
    if (text != nullptr) {
        std::free(BlockOf(text));
    }
}
