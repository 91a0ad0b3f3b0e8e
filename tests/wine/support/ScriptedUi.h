// Message boxes answered from a script instead of by a person; every box is kept with the
// answer it got, so that tests can check what the user was shown.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/Platform.h"

namespace velmora::wine {

struct ShownMessage {
    Message message;
    MessageAnswer answer;
};

class ScriptedUi final : public UserInterface {
public:
    // Answers given in turn; once they run out, `fallback` decides (No or Ok by default).
    std::deque<MessageAnswer> answers;
    std::function<MessageAnswer(const Message&)> fallback;
    std::vector<ShownMessage> shown;

    MessageAnswer ShowMessage(const Message& message) override {
        MessageAnswer answer = message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        } else if (fallback) {
            answer = fallback(message);
        }
        shown.push_back({message, answer});
        return answer;
    }
    void SystemBeep() override {}
    void ProcessPendingMessages() override {}
};

}  // namespace velmora::wine
