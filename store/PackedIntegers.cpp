#include "store/PackedIntegers.h"

#include <limits>

namespace store {

namespace {
template <class T> bool fits(qint64 value)
{
    return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

template <class From, class To> void copyInto(const From& from, To& to)
{
    to.reserve(from.capacity());
    to.assign(from.begin(), from.end());
}
} // namespace

size_t PackedIntegers::size() const
{
    return m_width == 2 ? m_narrow.size() : m_width == 4 ? m_middle.size() : m_wide.size();
}

void PackedIntegers::reserve(size_t count)
{
    if (m_width == 2)
        m_narrow.reserve(count);
    else if (m_width == 4)
        m_middle.reserve(count);
    else
        m_wide.reserve(count);
}

void PackedIntegers::widenFor(qint64 value)
{
    if (m_width == 2 && !fits<qint16>(value)) {
        copyInto(m_narrow, m_middle);
        decltype(m_narrow)().swap(m_narrow); // gives its memory back, as clearing would not
        m_width = 4;
    }
    if (m_width == 4 && !fits<qint32>(value)) {
        copyInto(m_middle, m_wide);
        decltype(m_middle)().swap(m_middle);
        m_width = 8;
    }
}

void PackedIntegers::push_back(qint64 value)
{
    widenFor(value);
    if (m_width == 2)
        m_narrow.push_back(qint16(value));
    else if (m_width == 4)
        m_middle.push_back(qint32(value));
    else
        m_wide.push_back(value);
}

void PackedIntegers::insert(size_t index, qint64 value)
{
    widenFor(value);
    if (m_width == 2)
        m_narrow.insert(m_narrow.begin() + std::ptrdiff_t(index), qint16(value));
    else if (m_width == 4)
        m_middle.insert(m_middle.begin() + std::ptrdiff_t(index), qint32(value));
    else
        m_wide.insert(m_wide.begin() + std::ptrdiff_t(index), value);
}

void PackedIntegers::set(size_t index, qint64 value)
{
    widenFor(value);
    if (m_width == 2)
        m_narrow[index] = qint16(value);
    else if (m_width == 4)
        m_middle[index] = qint32(value);
    else
        m_wide[index] = value;
}

void PackedIntegers::resize(size_t count)
{
    if (m_width == 2)
        m_narrow.resize(count);
    else if (m_width == 4)
        m_middle.resize(count);
    else
        m_wide.resize(count);
}

} // namespace store
