#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace vantrel::testing {

ScriptedPrompter::~ScriptedPrompter() {
    EXPECT_TRUE(messageAnswers_.empty()) << messageAnswers_.size() << " prepared message answer(s) unused";
    EXPECT_TRUE(openAnswers_.empty()) << "prepared Open answer unused";
    EXPECT_TRUE(saveAnswers_.empty()) << "prepared Save answer unused";
}

ScriptedPrompter& ScriptedPrompter::answerMessage(Answer answer) {
    messageAnswers_.push_back(answer);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::answerOpen(std::optional<std::string> path) {
    openAnswers_.push_back(std::move(path));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::answerSave(std::optional<std::string> path) {
    saveAnswers_.push_back(std::move(path));
    return *this;
}

Answer ScriptedPrompter::message(const vantrel::Message& message) {
    calls_.push_back({Call::Message, message, {}, false});
    if (messageAnswers_.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << message.text << "\" titled \"" << message.title
                      << "\"";
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    const Answer answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompter::openFileName(const std::string& filter) {
    calls_.push_back({Call::OpenFile, {}, filter, false});
    if (openAnswers_.empty()) {
        ADD_FAILURE() << "unexpected Open dialog";
        return std::nullopt;
    }
    auto answer = openAnswers_.front();
    openAnswers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompter::saveFileName(const std::string& filter, SaveDialog) {
    calls_.push_back({Call::SaveFile, {}, filter, false});
    if (saveAnswers_.empty()) {
        ADD_FAILURE() << "unexpected Save dialog";
        return std::nullopt;
    }
    auto answer = saveAnswers_.front();
    saveAnswers_.pop_front();
    return answer;
}

void ScriptedPrompter::setBusy(bool busy) {
    calls_.push_back({Call::Busy, {}, {}, busy});
    busy_ = busy;
}

void ScriptedPrompter::showHelp() {
    calls_.push_back({Call::Help, {}, {}, false});
    if (onHelp)
        onHelp();
}

std::vector<vantrel::Message> ScriptedPrompter::messages() const {
    std::vector<vantrel::Message> out;
    for (const Call& c : calls_)
        if (c.kind == Call::Message)
            out.push_back(c.message);
    return out;
}

int ScriptedPrompter::helpCount() const {
    int n = 0;
    for (const Call& c : calls_)
        n += c.kind == Call::Help;
    return n;
}

bool ScriptedPrompter::busyBalanced() const {
    bool shown = false;
    for (const Call& c : calls_)
        shown |= c.kind == Call::Busy && c.busy;
    return shown && !busy_;
}

} // namespace vantrel::testing
