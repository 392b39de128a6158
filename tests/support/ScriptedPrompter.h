// A prompter for tests: answers prompts from a prepared script, records every call, and fails
// the test on a prompt it was not told to expect or an answer left unused.
#pragma once

#include "platform/Prompter.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::testing {

class ScriptedPrompter : public Prompter {
  public:
    struct Call {
        enum Kind { Message, OpenFile, SaveFile, Busy, Help } kind;
        vantrel::Message message; // for Message
        std::string filter;       // for OpenFile and SaveFile
        bool busy = false;        // for Busy
    };

    ~ScriptedPrompter() override;

    // Prepared answers, used in order of the prompts of their kind.
    ScriptedPrompter& answerMessage(Answer answer);
    ScriptedPrompter& answerOpen(std::optional<std::string> path);
    ScriptedPrompter& answerSave(std::optional<std::string> path);
    // Runs while the help window would be shown (the editor's flags can be read there).
    std::function<void()> onHelp;

    Answer message(const vantrel::Message& message) override;
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& filter, SaveDialog purpose) override;
    void setBusy(bool busy) override;
    void showHelp() override;

    const std::vector<Call>& calls() const { return calls_; }
    std::vector<vantrel::Message> messages() const;
    int helpCount() const;
    bool busy() const { return busy_; }
    // True when every busy pointer shown was taken away again and at least one was shown.
    bool busyBalanced() const;

  private:
    std::vector<Call> calls_;
    std::deque<Answer> messageAnswers_;
    std::deque<std::optional<std::string>> openAnswers_;
    std::deque<std::optional<std::string>> saveAnswers_;
    bool busy_ = false;
};

} // namespace vantrel::testing
