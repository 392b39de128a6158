// Time per save of a full store: 99 keys bound, ten two-way circular binds of seven binds each
// and kept lines; the file built in memory, then built and saved atomically to disk.
#include "FullStore.h"
#include "SilentPrompter.h"
#include "app/Editor.h"
#include "cfgwrite/ConfigWriter.h"
#include "platform/AtomicFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vantrel {
namespace {

using testing::SilentPrompter;

void WriteConfigInMemory(benchmark::State& state) {
    SilentPrompter prompter;
    Editor editor{prompter};
    fillFullStore(editor);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = writeConfig(editor);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(WriteConfigInMemory)->Unit(benchmark::kMicrosecond);

void SaveFullStoreToDisk(benchmark::State& state) {
    SilentPrompter prompter;
    Editor editor{prompter};
    fillFullStore(editor);
    const std::string path = (std::filesystem::temp_directory_path() / "vantrel-bench-save.cfg").string();
    for (auto _ : state) {
        if (const auto failure = saveFile(path, writeConfig(editor))) {
            state.SkipWithError(failure->c_str());
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(SaveFullStoreToDisk)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vantrel
