#include "store/AsciiBlockScan.h"

#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUIBBET_X86_BLOCKS 1
#endif

namespace store {

#if defined(QUIBBET_X86_BLOCKS)

namespace {

bool isAsciiLetter(unsigned char b)
{
    return b >= 'a' && b <= 'z';
}

bool equalFolded(const unsigned char* text, const unsigned char* needle, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char b = text[i];
        if (((b >= 'A' && b <= 'Z') ? b + 32 : b) != needle[i])
            return false;
    }
    return true;
}

// Both widths share this shape; only the vector operations differ (a macro, as intrinsics of
// a wider instruction set only compile inside a function marked for it). The needle's first and
// last byte are looked for at once and the bytes between compared only where both agree;
// or-ing 0x20 folds case, for letters alone.
#define QUIBBET_BLOCK_LOOP(Vec, width, narrower, set1, load, orv, andv, eq, movemask)                                  \
    AsciiBlockScan result;                                                                                             \
    const Vec headValue = set1(char(needle[0]));                                                                       \
    const Vec tailValue = set1(char(needle[n - 1]));                                                                   \
    const Vec headCase = set1(isAsciiLetter(needle[0]) ? 0x20 : 0);                                                    \
    const Vec tailCase = set1(isAsciiLetter(needle[n - 1]) ? 0x20 : 0);                                                \
    const Vec clearBit0 = set1(char(0xFE));                                                                            \
    const Vec clearBit4 = set1(char(0xEF));                                                                            \
    const Vec overlongTwo = set1(char(0xC0));  /* C0, C1 once bit 0 is cleared */                                      \
    const Vec overlongLong = set1(char(0xE0)); /* E0, F0 once bit 4 is cleared */                                      \
    const Vec longS = set1(char(0xC5));                                                                                \
    const Vec kelvin = set1(char(0xE2));                                                                               \
    if (size < n - 1 + width)                                                                                          \
        return narrower(text, size, needle, n, check, context);                                                        \
    /* The last block overlaps the one before it rather than leave a tail of single bytes. */                          \
    const std::size_t lastStart = size - (n - 1) - width;                                                              \
    for (std::size_t i = 0;; i = std::min(i + width, lastStart)) {                                                     \
        const Vec raw = load(text + i);                                                                                \
        const Vec last = load(text + i + n - 1);                                                                       \
        unsigned candidates =                                                                                          \
            unsigned(movemask(andv(eq(orv(raw, headCase), headValue), eq(orv(last, tailCase), tailValue))));           \
        for (; candidates != 0; candidates &= candidates - 1) {                                                        \
            if (n <= 2 || equalFolded(text + i + unsigned(__builtin_ctz(candidates)) + 1, needle + 1, n - 2)) {        \
                result.found = true;                                                                                   \
                return result;                                                                                         \
            }                                                                                                          \
        }                                                                                                              \
        if (!result.undecided) {                                                                                       \
            const Vec suspects =                                                                                       \
                orv(orv(eq(andv(raw, clearBit0), overlongTwo), eq(andv(raw, clearBit4), overlongLong)),                \
                    orv(eq(raw, longS), eq(raw, kelvin)));                                                             \
            for (unsigned mask = unsigned(movemask(suspects)); mask != 0 && !result.undecided; mask &= mask - 1)       \
                result.undecided = check(context, text + i + unsigned(__builtin_ctz(mask)));                           \
        }                                                                                                              \
        if (i == lastStart)                                                                                            \
            break;                                                                                                     \
    }                                                                                                                  \
    result.done = lastStart + width;                                                                                   \
    return result;

// Leaves a text too short for one block to the caller's byte-by-byte loop.
AsciiBlockScan none(const unsigned char*, std::size_t, const unsigned char*, std::size_t, SuspectCheck, const void*)
{
    return {};
}

__m128i load16(const unsigned char* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

AsciiBlockScan scanSse2(const unsigned char* text, std::size_t size, const unsigned char* needle, std::size_t n,
                        SuspectCheck check, const void* context)
{
    QUIBBET_BLOCK_LOOP(__m128i, 16, none, _mm_set1_epi8, load16, _mm_or_si128, _mm_and_si128, _mm_cmpeq_epi8,
                       _mm_movemask_epi8)
}

__attribute__((target("avx2"))) __m256i load32(const unsigned char* p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

__attribute__((target("avx2"))) AsciiBlockScan scanAvx2(const unsigned char* text, std::size_t size,
                                                        const unsigned char* needle, std::size_t n, SuspectCheck check,
                                                        const void* context)
{
    QUIBBET_BLOCK_LOOP(__m256i, 32, scanSse2, _mm256_set1_epi8, load32, _mm256_or_si256, _mm256_and_si256,
                       _mm256_cmpeq_epi8, _mm256_movemask_epi8)
}

#undef QUIBBET_BLOCK_LOOP

} // namespace

AsciiBlockScanner widestAsciiBlockScanner()
{
    return __builtin_cpu_supports("avx2") ? scanAvx2 : scanSse2;
}

std::vector<AsciiBlockScanner> runnableAsciiBlockScanners()
{
    std::vector<AsciiBlockScanner> scanners{nullptr, scanSse2};
    if (__builtin_cpu_supports("avx2"))
        scanners.push_back(scanAvx2);
    return scanners;
}

#else

AsciiBlockScanner widestAsciiBlockScanner()
{
    return nullptr;
}

std::vector<AsciiBlockScanner> runnableAsciiBlockScanners()
{
    return {nullptr};
}

#endif

} // namespace store
