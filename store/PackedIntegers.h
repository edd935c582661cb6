#pragma once

#include "store/LargeAllocator.h"

#include <QtGlobal>
#include <vector>

namespace store {

// A column of integers held in 2, 4 or 8 bytes each: the narrowest width that every value
// so far fits in, widened when a value does not. Row ids and day numbers of a million notes
// nearly always fit in 4 and 2 bytes.
class PackedIntegers {
public:
    size_t size() const;
    void reserve(size_t count);
    qint64 operator[](size_t index) const
    {
        switch (m_width) {
        case 2:
            return m_narrow[index];
        case 4:
            return m_middle[index];
        default:
            return m_wide[index];
        }
    }
    void push_back(qint64 value);
    void insert(size_t index, qint64 value);
    void set(size_t index, qint64 value);
    void resize(size_t count);

private:
    void widenFor(qint64 value);

    int m_width = 2;
    std::vector<qint16, LargeAllocator<qint16>> m_narrow;
    std::vector<qint32, LargeAllocator<qint32>> m_middle;
    std::vector<qint64, LargeAllocator<qint64>> m_wide;
};

} // namespace store
