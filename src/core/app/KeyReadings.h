// Keys' texts worked out at most once each, where working one out can ask for others' and so come
// round to a key still being worked out: the Open reader's and the writer's reading of binds
// through pairs.
#pragma once

#include "keys/KeyTable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace vantrel {

// A text that asked for a key being worked out further out is not kept, but worked out again when
// next asked for from elsewhere, so that every key's text is the one it has when worked out first,
// whatever order the keys are asked for in.
class KeyReadings {
  public:
    bool isRead(KeyIndex key) const { return state_[key] == State::Read; }

    // True, and noted, when the key is being worked out further out: its text is not there yet.
    bool askedWhileReading(KeyIndex key) {
        if (state_[key] != State::Reading)
            return false;
        shallowest_ = std::min(shallowest_, depth_[key]);
        return true;
    }

    // Bracket the working out of the key's text; what start returns goes to finish.
    size_t start(KeyIndex key) {
        const size_t depth = reading_++;
        depth_[key] = depth;
        state_[key] = State::Reading;
        return std::exchange(shallowest_, depth);
    }
    void finish(KeyIndex key, size_t outer) {
        const size_t depth = --reading_;
        state_[key] = shallowest_ < depth ? State::Unread : State::Read;
        shallowest_ = std::min(outer, shallowest_);
    }

  private:
    enum class State : unsigned char { Unread, Reading, Read };
    std::array<State, keyCount> state_{};
    // The keys being worked out, each at its depth, and the shallowest of them that the current
    // working out asked for.
    std::array<size_t, keyCount> depth_{};
    size_t reading_ = 0;
    size_t shallowest_ = 0;
};

} // namespace vantrel
