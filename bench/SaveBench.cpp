// Time per save of a full store: 99 keys bound, ten two-way circular binds of seven binds each
// and kept lines; the file built in memory, then built and saved atomically to disk.
#include "app/Editor.h"
#include "cfgwrite/ConfigWriter.h"
#include "platform/AtomicFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vantrel {
namespace {

class SilentPrompter : public Prompter {
  public:
    Answer message(const Message&) override { return Answer::Ok; }
    std::optional<std::string> openFileName(const std::string&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const std::string&) override { return std::nullopt; }
    void setBusy(bool) override {}
    void showHelp() override {}
};

constexpr int kKeptLines = 40;

void fillFullStore(Editor& editor) {
    Form_Load(editor);
    editor.srconport = "rcon_port 27015";
    editor.srconpass = "rcon_password benchmark";
    for (int i = 0; i < kKeptLines; ++i)
        editor.ssettings.push_back("echo kept line " + std::to_string(i) + "  ");
    const auto& order = fileOrder();
    size_t next = 0;
    for (int n = 1; n <= kSlotCount; ++n) {
        CircularSlot& slot = editor.form6.slot(n);
        for (size_t b = 1; b <= kMaxCircularBinds; ++b)
            slot.binds.push_back("slot" + std::to_string(b) + ";weapon_knife");
        slot.k = std::string(keyTable[order[next]].id);
        slot.r = std::string(keyTable[order[next + 1]].id);
        slot.o = n % 2 ? "3" : "14";
        editor.bind(order[next++]) = "aCB" + std::to_string(n);
        editor.bind(order[next++]) = "aCB" + std::to_string(n) + "r";
    }
    for (size_t i = 0; next < order.size(); ++next, ++i)
        editor.bind(order[next]) = i % 2 ? "buy;menuselect 4;menuselect 6;buyammo2;buyammo2;vesthelm;"
                                         : "+attack;say \"nice shot\";";
}

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
