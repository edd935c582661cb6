#pragma once

#include "store/AsciiBlockScan.h"

#include <QByteArray>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace store {

// like() with a pattern of the form %text%, text free of wildcards, is the search the user
// runs; it is answered here without walking the pattern once per text position. The answer
// is always the one likeMatches() gives: where a shortcut cannot be sure, it asks
// likeMatches() for that one text.
class SubstringSearch {
public:
    // Empty when the pattern is not of that form, so the general matcher must decide. The
    // scanner is the processor's widest unless a test asks for another.
    static std::optional<SubstringSearch> forPattern(const QByteArray& pattern,
                                                     AsciiBlockScanner scanner = widestAsciiBlockScanner());

    bool matches(const unsigned char* text, std::size_t size) const;

private:
    enum class AsciiScan { Found, NotFound, Undecided };

    bool asciiMatches(const unsigned char* text, std::size_t size) const;
    AsciiScan scanAscii(const unsigned char* text, std::size_t size) const;
    void markStartBytes();
    bool unicodeMatches(const unsigned char* text, std::size_t size) const;
    bool isFirstForm(char32_t c) const;
    bool restMatches(const unsigned char* p, const unsigned char* end) const;

    QByteArray m_pattern;
    std::vector<char32_t> m_needle;     // folded code points
    QByteArray m_asciiNeedle;           // its longest ASCII run as bytes
    std::array<bool, 128> m_inNeedle{}; // the characters of that run
    bool m_allAscii = false;            // the run is the whole needle
    std::vector<char32_t> m_firstForms; // every code point that folds to the needle's first
    std::array<bool, 256> m_mayStart{}; // bytes such a code point can be read from
    bool m_startsAtContinuation = false;
    AsciiBlockScanner m_blockScanner = nullptr;
};

} // namespace store
