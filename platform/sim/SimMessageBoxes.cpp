// The simulated desktop's message boxes: each runs a nested loop until the
// scenario answers it.

#include "platform/sim/SimDesktop.h"

namespace tremolux::sim {

// Runs a nested loop, timers ticking, until the scenario answers the box.
std::int32_t SimDesktop::MessageBoxA(const char* text, const char* caption, std::uint32_t type) {
    if (!thread_) return 0;
    OpenBox box{type};
    boxes_.push_back(&box);
    struct Pop {
        std::vector<OpenBox*>& boxes;
        ~Pop() { boxes.pop_back(); }
    } pop{boxes_};
    thread_->RunModal([&] { return box.answer != Answer::None; });
    static const char* const names[] = {"none", "yes", "no", "ok"};
    trace_.Call("MessageBoxA " + Quoted(text ? text : "") + " " + Quoted(caption ? caption : "") +
                " " + Hex(type) + " -> " + names[static_cast<int>(box.answer)]);
    switch (box.answer) {
        case Answer::Yes: return win::kIdYes;
        case Answer::No: return win::kIdNo;
        default: return win::kIdOk;
    }
}

void SimDesktop::AnswerMessageBox(Answer answer) {
    if (boxes_.empty()) throw ScenarioError{"no message box is open"};
    OpenBox& box = *boxes_.back();
    const bool yesNo = (box.type & 0xF) == win::kMbYesNo;
    const bool fits = yesNo ? answer == Answer::Yes || answer == Answer::No : answer == Answer::Ok;
    if (!fits)
        throw ScenarioError{yesNo ? "the message box has Yes and No"
                                  : "the message box has only OK"};
    box.answer = answer;
}

}  // namespace tremolux::sim
