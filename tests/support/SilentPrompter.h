// A prompter for runs with nobody to ask (benchmarks, the fuzzer): every prompt gets the plainest
// answer and no dialog is shown.
#pragma once

#include "platform/Prompter.h"

namespace vantrel::testing {

class SilentPrompter : public Prompter {
  public:
    Answer message(const Message&) override { return Answer::Ok; }
    std::optional<std::string> openFileName(const std::string&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const std::string&, SaveDialog) override { return std::nullopt; }
    void setBusy(bool) override {}
    void showHelp() override {}
};

} // namespace vantrel::testing
