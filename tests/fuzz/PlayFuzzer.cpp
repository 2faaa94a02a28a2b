// libFuzzer entry: each input is a byte string of actions played against the
// model of the rules; any difference aborts with the report.

#include "FuzzPlay.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string failure = fuzzplay::playBytes(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
