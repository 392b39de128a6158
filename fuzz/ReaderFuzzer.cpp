// libFuzzer target: any bytes a file of Open's size can hold are read, and saving what was read
// must settle after one round (save(open(B1)) == B1); the sanitizers watch the reader and writer.
#include "RoundTrip.h"
#include "cfgread/OpenConfig.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > vantrel::maxConfigBytes)
        return -1; // Open refuses the file before reading it
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto failure = vantrel::testing::fixedPointFailure(bytes)) {
        std::fprintf(stderr, "%s\n", failure->c_str());
        std::abort();
    }
    return 0;
}
