#pragma once

#include <cstddef>
#include <vector>

namespace store {

// The wide part of the search for an ASCII needle: whole blocks of text, 16 or 32 bytes a
// step, as wide as the processor allows; the caller finishes the last few bytes one by one.
// It looks for the needle's bytes (ASCII letters in either case) and, until one is found,
// for lead bytes of the multi-byte forms that can fold into ASCII: C0, C1, C5, E0, E2, F0.
struct AsciiBlockScan {
    bool found = false;     // the needle's bytes stand in the text
    bool undecided = false; // a form at a suspect lead byte folds into the needle
    std::size_t done = 0;   // positions before this are searched and their bytes looked over
};

// Asked about each suspect lead byte, until it says yes once.
using SuspectCheck = bool (*)(const void* context, const unsigned char* lead);

using AsciiBlockScanner = AsciiBlockScan (*)(const unsigned char* text, std::size_t size, const unsigned char* needle,
                                             std::size_t n, SuspectCheck check, const void* context);

// The widest scanner this processor runs; nullptr where none is built for it.
AsciiBlockScanner widestAsciiBlockScanner();

// Every scanner this processor runs, narrowest first, and nullptr for none (the caller's
// byte-by-byte loop), so that each can be held to the same answers.
std::vector<AsciiBlockScanner> runnableAsciiBlockScanners();

} // namespace store
