// Time to show a selected key's bind of 1,000,000 characters: padding that no command row
// recognises, then rcon say commands one after the other and a say message, the hardest case for
// taking the messages apart.
#include "SilentPrompter.h"
#include "app/Editor.h"
#include "compose/ShowKeyBind.h"

#include <benchmark/benchmark.h>
#include <string>

namespace vantrel {
namespace {

using testing::SilentPrompter;

constexpr size_t bindLength = 1'000'000;

std::string millionCharacterBind() {
    std::string bind(bindLength / 2, 'x');
    const std::string tail = "say hi;";
    while (bind.size() + tail.size() < bindLength)
        bind += "rcon say a;";
    return bind + tail;
}

void ShowMillionCharacterBind(benchmark::State& state) {
    SilentPrompter prompter;
    Editor editor{prompter};
    Form_Load(editor);
    editor.selectkey = "keyA";
    editor.bind(*keyById("keyA", Case::Exact)) = millionCharacterBind();
    for (auto _ : state) {
        showkeybind(editor);
        benchmark::DoNotOptimize(editor.cbind.data());
    }
    state.counters["bind_chars"] = static_cast<double>(editor.cbind.size());
}
BENCHMARK(ShowMillionCharacterBind)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
