#include "store/TextArena.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace store {

void TextArena::FreeBlock::operator()(char* block) const { std::free(block); }

TextArena::Block TextArena::allocate(qsizetype size)
{
    void* memory = std::malloc(size_t(size));
    if (!memory)
        throw std::bad_alloc();
    return Block(static_cast<char*>(memory));
}

QByteArray TextArena::keep(const char* data, qsizetype size)
{
    if (size == 0)
        return QByteArray::fromRawData("", 0);
    char* target = nullptr;
    if (size > kBlockSize / 4) {
        // A large text gets a block of its own, so the shared blocks are not left half used.
        Block block = allocate(size);
        target = block.get();
        m_blocks.insert(m_blocks.end() - (m_blocks.empty() ? 0 : 1), std::move(block));
    } else {
        if (m_used + size > kBlockSize) {
            m_blocks.push_back(allocate(kBlockSize));
            m_used = 0;
        }
        target = m_blocks.back().get() + m_used;
        m_used += size;
    }
    std::memcpy(target, data, size_t(size));
    m_held += size;
    return QByteArray::fromRawData(target, size);
}

} // namespace store
