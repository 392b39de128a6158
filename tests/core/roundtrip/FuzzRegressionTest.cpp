// Replays the inputs the reader's fuzzer once failed on, through the fuzzer's own check, so the
// plain test run guards them without a fuzzer runtime.
#include "RoundTrip.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vantrel::testing {
namespace {

TEST(FuzzRegressions, EverySavedFindingSettlesAfterOneRound) {
    const std::filesystem::path dir = std::string(VANTREL_TEST_DATA_DIR) + "/fuzz-regressions";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".cfg")
            continue;
        ++files;
        const auto failure = fixedPointFailure(readBytes(entry.path().string()));
        EXPECT_FALSE(failure) << entry.path().filename() << ": " << failure.value_or("");
    }
    EXPECT_GT(files, 0) << "no findings in " << dir;
}

} // namespace
} // namespace vantrel::testing
