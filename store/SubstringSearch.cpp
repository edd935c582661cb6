#include "store/SubstringSearch.h"

#include "store/AsciiBlockScan.h"
#include "store/CaseFold.h"
#include "store/LikePattern.h"

#include <algorithm>
#include <utility>

namespace store {

namespace {

constexpr unsigned char asciiFold(unsigned char b)
{
    return (b >= 'A' && b <= 'Z') ? b + 32 : b;
}

constexpr std::array<unsigned char, 256> kAsciiFold = [] {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = asciiFold(static_cast<unsigned char>(b));
    return table;
}();

bool equalFolded(const unsigned char* text, const unsigned char* needle, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        if (kAsciiFold[text[i]] != needle[i])
            return false;
    }
    return true;
}

// Every code point whose folding differs from itself, as (folded, original), sorted. Built
// once from the same folding like() uses, so no Unicode table is copied by hand.
const std::vector<std::pair<char32_t, char32_t>>& unfoldings()
{
    static const std::vector<std::pair<char32_t, char32_t>> table = [] {
        std::vector<std::pair<char32_t, char32_t>> pairs;
        for (char32_t c = 0; c < 0x110000; ++c) {
            const char32_t f = folded(c);
            if (f != c)
                pairs.emplace_back(f, c);
        }
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    }();
    return table;
}

// Lead bytes of every multi-byte form the decoder accepts for a code point that folds into
// ASCII: overlong forms of ASCII itself (C0, C1, E0, F0), U+017F LONG S (C5; overlong E0,
// F0) and U+212A KELVIN SIGN (E2; overlong F0). Only these can let a text that holds no
// byte run equal to an ASCII needle still match it. The block scanners test the same set.
constexpr bool mayFoldIntoAscii(unsigned char b)
{
    return b == 0xC0 || b == 0xC1 || b == 0xC5 || b == 0xE0 || b == 0xE2 || b == 0xF0;
}

} // namespace

std::optional<SubstringSearch> SubstringSearch::forPattern(const QByteArray& pattern, AsciiBlockScanner scanner)
{
    std::vector<char32_t> points;
    const auto* p = reinterpret_cast<const unsigned char*>(pattern.constData());
    const auto* end = p + pattern.size();
    while (p < end)
        points.push_back(nextCodePoint(p, end));
    // The wildcards are judged by decoded code points, as the general matcher judges them.
    auto first = points.begin();
    auto last = points.end();
    if (first == last || *first != U'%' || points.back() != U'%')
        return std::nullopt;
    while (first != last && *first == U'%')
        ++first;
    while (last != first && *(last - 1) == U'%')
        --last;
    if (std::any_of(first, last, [](char32_t c) { return c == U'%' || c == U'_'; }))
        return std::nullopt;

    SubstringSearch search;
    search.m_pattern = pattern;
    search.m_blockScanner = scanner;
    for (auto it = first; it != last; ++it)
        search.m_needle.push_back(folded(*it));
    // The longest run of ASCII characters: all of the needle, or a part that any text
    // holding the needle must hold too, which the byte search can rule out quickly.
    std::size_t runStart = 0;
    std::size_t runLength = 0;
    for (std::size_t i = 0, start = 0; i <= search.m_needle.size(); ++i) {
        if (i < search.m_needle.size() && search.m_needle[i] < 0x80)
            continue;
        if (i - start > runLength) {
            runStart = start;
            runLength = i - start;
        }
        start = i + 1;
    }
    for (std::size_t i = runStart; i < runStart + runLength; ++i) {
        search.m_asciiNeedle.append(char(search.m_needle[i]));
        search.m_inNeedle[search.m_needle[i]] = true;
    }
    search.m_allAscii = runLength == search.m_needle.size();
    if (!search.m_allAscii) {
        const char32_t head = search.m_needle.front();
        if (folded(head) == head)
            search.m_firstForms.push_back(head);
        const auto& table = unfoldings();
        auto range = std::equal_range(table.begin(), table.end(), std::pair<char32_t, char32_t>(head, 0),
                                      [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto it = range.first; it != range.second; ++it)
            search.m_firstForms.push_back(it->second);
        search.markStartBytes();
    }
    return search;
}

void SubstringSearch::markStartBytes()
{
    // Every byte the decoder can read the needle's first character from: ASCII, a stray byte
    // (read as 0xDC00 plus itself), and the lead byte of each form, overlong ones included.
    for (const char32_t c : m_firstForms) {
        if (c < 0x80)
            m_mayStart[c] = true;
        if (c >= 0xDC80 && c <= 0xDCFF)
            m_mayStart[c - 0xDC00] = true;
        if (c < 0x800)
            m_mayStart[0xC0 | (c >> 6)] = true;
        if (c < 0x10000)
            m_mayStart[0xE0 | (c >> 12)] = true;
        if (c < 0x200000)
            m_mayStart[0xF0 | (c >> 18)] = true;
    }
    m_startsAtContinuation =
        std::any_of(m_mayStart.begin() + 0x80, m_mayStart.begin() + 0xC0, [](bool b) { return b; });
}

bool SubstringSearch::matches(const unsigned char* text, std::size_t size) const
{
    if (m_needle.empty())
        return true;
    if (m_allAscii)
        return asciiMatches(text, size);
    if (!m_asciiNeedle.isEmpty() && scanAscii(text, size) == AsciiScan::NotFound)
        return false;
    return unicodeMatches(text, size);
}

bool SubstringSearch::asciiMatches(const unsigned char* text, std::size_t size) const
{
    switch (scanAscii(text, size)) {
    case AsciiScan::Found:
        return true;
    case AsciiScan::NotFound:
        return false;
    case AsciiScan::Undecided:
        break;
    }
    return likeMatches(m_pattern, QByteArray::fromRawData(reinterpret_cast<const char*>(text), qsizetype(size)));
}

SubstringSearch::AsciiScan SubstringSearch::scanAscii(const unsigned char* text, std::size_t size) const
{
    // An ASCII byte always stands for itself, so a run of bytes equal to the needle is a
    // match. Without one, only a multi-byte letter folding into a letter of the needle could
    // still make one; the same pass looks out for those.
    const auto* needle = reinterpret_cast<const unsigned char*>(m_asciiNeedle.constData());
    const std::size_t n = std::size_t(m_asciiNeedle.size());
    if (size < n)
        return AsciiScan::NotFound; // every character takes at least one byte
    const unsigned char* const end = text + size;
    bool undecided = false;
    auto foldsIntoNeedle = [&](const unsigned char* at) {
        const char32_t f = folded(nextCodePoint(at, end));
        return f < 0x80 && m_inNeedle[f];
    };
    std::size_t i = 0; // positions before i are searched and their bytes looked over
    if (m_blockScanner != nullptr) {
        const AsciiBlockScan blocks = m_blockScanner(
            text, size, needle, n,
            [](const void* context, const unsigned char* lead) {
                return (*static_cast<const decltype(foldsIntoNeedle)*>(context))(lead);
            },
            &foldsIntoNeedle);
        if (blocks.found)
            return AsciiScan::Found;
        undecided = blocks.undecided;
        i = blocks.done;
    }
    for (std::size_t j = i; j + n <= size; ++j) {
        if (kAsciiFold[text[j]] == needle[0] && equalFolded(text + j + 1, needle + 1, n - 1))
            return AsciiScan::Found;
    }
    for (std::size_t j = i; j < size && !undecided; ++j)
        undecided = mayFoldIntoAscii(text[j]) && foldsIntoNeedle(text + j);
    return undecided ? AsciiScan::Undecided : AsciiScan::NotFound;
}

bool SubstringSearch::unicodeMatches(const unsigned char* text, std::size_t size) const
{
    const unsigned char* p = text;
    const unsigned char* const end = text + size;
    if (m_startsAtContinuation) {
        // A needle that starts with a stray continuation byte: only decoding from the start
        // tells a stray one from one that belongs to the character before it.
        while (p < end) {
            if (isFirstForm(nextCodePoint(p, end)) && restMatches(p, end))
                return true;
        }
        return false;
    }
    // Bytes that cannot begin the needle's first character are passed over undecoded. As no
    // continuation byte can begin it, the next byte that can always begins a character.
    for (;;) {
        while (p < end && !m_mayStart[*p])
            ++p;
        if (p == end)
            return false;
        if (isFirstForm(nextCodePoint(p, end)) && restMatches(p, end))
            return true;
    }
}

bool SubstringSearch::isFirstForm(char32_t c) const
{
    return std::find(m_firstForms.begin(), m_firstForms.end(), c) != m_firstForms.end();
}

bool SubstringSearch::restMatches(const unsigned char* p, const unsigned char* end) const
{
    for (std::size_t k = 1; k < m_needle.size(); ++k) {
        if (p >= end || folded(nextCodePoint(p, end)) != m_needle[k])
            return false;
    }
    return true;
}

} // namespace store
