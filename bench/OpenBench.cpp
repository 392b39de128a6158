// Time per File Open: a full saved file, and three files at Open's size limit made to be hard for
// the reader; each beside a plain read of the same file split into lines, the least any reader does.
#include "FullStore.h"
#include "SilentPrompter.h"
#include "app/Editor.h"
#include "cfgread/OpenConfig.h"
#include "cfgwrite/ConfigWriter.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace vantrel {
namespace {

using testing::SilentPrompter;

// The full store as the writer saves it.
std::string fullSavedFile() {
    SilentPrompter prompter;
    Editor editor{prompter};
    fillFullStore(editor);
    return writeConfig(editor);
}

// Lines made by `line(i)` for i = 0, 1, ... while the file stays within Open's limit.
template <class Line> std::string fillToLimit(Line line) {
    std::string out;
    for (int i = 0;; ++i) {
        const std::string next = line(i) + "\r\n";
        if (out.size() + next.size() > maxConfigBytes)
            return out;
        out += next;
    }
}

// Thousands of distinct foreign hold alias pairs: every one a kept line, none taken apart.
std::string foreignAliases() {
    return fillToLimit([](int i) {
        const std::string name = "jd" + std::to_string(i / 2);
        return i % 2 ? "alias -" + name + " \"-jump;-duck\"" : "alias +" + name + " \"+jump;+duck;wait\"";
    });
}

// Thousands of bind lines of F1 in the four plus shapes, own and foreign hold names, with press
// alias lines of its own hold alias among them.
std::string plusBindsOfOneKey() {
    return fillToLimit([](int i) -> std::string {
        switch (i % 5) {
        case 0:
            return "bind f1 +af1";
        case 1:
            return "bind \"f1\" +jd" + std::to_string(i);
        case 2:
            return "bind f1 \"+af1\"";
        case 3:
            return "bind \"F1\" \"+attack;wait\" // " + std::to_string(i);
        default:
            return "alias +af1 \"buy;menuselect 1;menuselect " + std::to_string(i % 7) + "\"";
        }
    });
}

// Thousands of chain lines of all ten slots, forward and reverse, whose markers keys hold, with
// start lines and unbind lines among them: every line is judged and read by the circular reader.
std::string chainLines() {
    return fillToLimit([](int i) -> std::string {
        const std::string n = std::to_string(i % 10 + 1);
        const std::string k = std::to_string(i / 10 % 7 + 1);
        if (i < 20)
            return i < 10 ? "bind f" + n + " \"aCB" + n + "\""
                          : "bind " + std::to_string(i % 10) + " \"acb" + n + "R\"";
        switch (i % 4) {
        case 0:
            return "alias aCB" + n + " \"aCB" + n + "line" + k + "\" // start";
        case 1:
            return "alias aCB" + n + "line" + k + " \"slot1; alias aCB" + n + " aCB" + n +
                   "line1; alias aCB" + n + "r aCB" + n + "rline1\"";
        case 2:
            return "alias aCB" + n + "rline" + k + " \"slot2; alias aCB" + n + "r aCB" + n + "rline1\"";
        default:
            return i % 8 == 3 ? "unbind f12 // " + k : "unbindall";
        }
    });
}

// One line of Open's whole size, the slowest of the long lines tried: a bind full of marker
// look-alikes.
std::string singleLongLine() {
    std::string line = "bind f1 \"";
    while (line.size() + 5 < maxConfigBytes)
        line += "aCB1";
    return line + "\"";
}

std::string writeScratchFile(const std::string& name, const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vantrel-bench-" + std::to_string(::getpid()) + "-" + name + ".cfg");
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

void Open(benchmark::State& state, std::string (*make)(), const char* name) {
    const std::string bytes = make();
    const std::string path = writeScratchFile(name, bytes);
    SilentPrompter prompter;
    Editor editor{prompter};
    Form_Load(editor);
    for (auto _ : state) {
        if (!loadconfig(editor, path)) {
            state.SkipWithError("the file could not be read");
            break;
        }
        benchmark::DoNotOptimize(editor.store.data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    std::filesystem::remove(path);
}

// The same file read whole and cut into lines at every line feed.
void ReadAndSplit(benchmark::State& state, std::string (*make)(), const char* name) {
    const std::string bytes = make();
    const std::string path = writeScratchFile(name, bytes);
    size_t lines = 0;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        const std::string read((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<std::string_view> split;
        size_t start = 0;
        for (size_t end = read.find('\n'); end != std::string::npos; end = read.find('\n', start)) {
            split.emplace_back(read.data() + start, end - start);
            start = end + 1;
        }
        split.emplace_back(read.data() + start, read.size() - start);
        lines = split.size();
        benchmark::DoNotOptimize(split.data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    state.counters["lines"] = static_cast<double>(lines);
    std::filesystem::remove(path);
}

BENCHMARK_CAPTURE(Open, FullSavedFile, fullSavedFile, "full")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadAndSplit, FullSavedFile, fullSavedFile, "full")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Open, ForeignAliases, foreignAliases, "aliases")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadAndSplit, ForeignAliases, foreignAliases, "aliases")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Open, PlusBindsOfOneKey, plusBindsOfOneKey, "plus")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadAndSplit, PlusBindsOfOneKey, plusBindsOfOneKey, "plus")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Open, ChainLines, chainLines, "chains")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadAndSplit, ChainLines, chainLines, "chains")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Open, SingleLongLine, singleLongLine, "line")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadAndSplit, SingleLongLine, singleLongLine, "line")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vantrel
