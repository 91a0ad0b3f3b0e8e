// Message boxes answered by a script; each box is kept with its answer for the checks.
#pragma once

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
    std::function<MessageAnswer(const Message&)> answer;  // none: No to a question, Ok otherwise
    std::vector<ShownMessage> shown;
    int beeps = 0;
    std::function<void()> whilePumping;  // what the user does while the program lets messages through

    MessageAnswer ShowMessage(const Message& message) override {
        const MessageAnswer given = answer                                     ? answer(message)
                                    : message.buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                                               : MessageAnswer::Ok;
        shown.push_back({message, given});
        return given;
    }
    void SystemBeep() override { ++beeps; }
    void ProcessPendingMessages() override {
        if (whilePumping) whilePumping();
    }
};

}  // namespace velmora::wine
