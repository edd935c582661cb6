#pragma once

#include <QByteArray>
#include <memory>
#include <vector>

namespace store {

// Holds the text of one snapshot in a few large blocks instead of one allocation per value.
// Values read from it are QByteArray views (fromRawData): whoever keeps such a view keeps
// the arena alive through the shared pointer that the query hands out.
class TextArena {
public:
    QByteArray keep(const char* data, qsizetype size);
    qsizetype bytesHeld() const { return m_held; }

private:
    static constexpr qsizetype kBlockSize = 4 << 20;
    struct FreeBlock {
        void operator()(char* block) const;
    };
    using Block = std::unique_ptr<char[], FreeBlock>;
    static Block allocate(qsizetype size);
    std::vector<Block> m_blocks;
    qsizetype m_used = kBlockSize; // in the last block; full at first
    qsizetype m_held = 0;
};

} // namespace store
