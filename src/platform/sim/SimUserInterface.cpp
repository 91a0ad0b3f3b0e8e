#include "platform/sim/SimUserInterface.h"

namespace velmora::sim {

namespace {

bool Fits(MessageButtons buttons, MessageAnswer answer) {
    if (buttons == MessageButtons::Ok) {
        return answer == MessageAnswer::Ok;
    }
    return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
}

MessageAnswer Closed(MessageButtons buttons) {
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

}  // namespace

void SimUserInterface::ProcessPendingMessages() {
    ++messagePumps_;
    if (pendingMessages_) pendingMessages_();
}

MessageAnswer SimUserInterface::ShowMessage(const Message& message) {
    MessageAnswer answer = Closed(message.buttons);
    if (!script_.empty()) {
        MessageAnswer scripted = script_.front();
        script_.pop_front();
        if (Fits(message.buttons, scripted)) {
            answer = scripted;
        } else {
            ++mismatches_;
        }
    }
    shown_.push_back({message, answer});
    return answer;
}

}  // namespace velmora::sim
