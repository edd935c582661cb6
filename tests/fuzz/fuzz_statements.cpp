// libFuzzer entry point (built with clang, -fsanitize=fuzzer).
#include "tests/fuzz/StatementFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzStatementsOnce(data, size);
    return 0;
}
