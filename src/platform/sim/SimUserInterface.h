// Message boxes answered from a script the test writes in advance.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/Platform.h"

namespace velmora::sim {

struct ShownMessage {
    Message message;
    MessageAnswer answer = MessageAnswer::Ok;
};

class SimUserInterface : public UserInterface {
public:
    // Boxes take the scripted answers in order. With the script used up, a Yes/No box is
    // closed (No) and an OK box is confirmed.
    MessageAnswer ShowMessage(const Message& message) override;
    void SystemBeep() override { ++beeps_; }
    void ProcessPendingMessages() override;
    // What the pending messages do when they are handled, e.g. a click on a Stop button.
    void OnPendingMessages(std::function<void()> handler) { pendingMessages_ = std::move(handler); }
    int MessagePumps() const { return messagePumps_; }

    void AnswerNext(MessageAnswer answer) { script_.push_back(answer); }
    const std::vector<ShownMessage>& Messages() const { return shown_; }
    int BeepCount() const { return beeps_; }
    std::size_t UnusedAnswers() const { return script_.size(); }
    // Scripted answers that a box could not give (Yes to an OK box, Ok to a Yes/No box);
    // the box then answered as if closed. Non-zero means the script is out of step.
    int MismatchedAnswers() const { return mismatches_; }

private:
    std::deque<MessageAnswer> script_;
    std::vector<ShownMessage> shown_;
    int beeps_ = 0;
    int messagePumps_ = 0;
    std::function<void()> pendingMessages_;
    int mismatches_ = 0;
};

}  // namespace velmora::sim
