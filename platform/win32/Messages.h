// The messages the program's windows receive, turned into the program's
// events. Kept free of Windows headers, so that what the window procedure
// makes of a close, a tray click or a timer is tested natively.
#pragma once

#include <cstdint>
#include <optional>

#include "shell/Framework.h"

namespace tremolux::win32 {

// The messages the system registers at run time under these names.
struct RegisteredMessages {
    std::uint32_t taskbarCreated = 0;  // "TaskbarCreated"
    std::uint32_t exitRequest = 0;     // kExitRequestMessage
};

// The strip's picture button reports its clicks with this id.
constexpr std::uint32_t kPictureButtonId = 1;

struct RaisedEvent {
    ProgramEvent event;
    // A notification: the message goes on to DefWindowProc whatever the
    // handler did.
    bool notification = false;
};

std::optional<RaisedEvent> EventOfMessage(ProgramWindow window, std::uint32_t message,
                                          std::uintptr_t wParam, std::intptr_t lParam,
                                          const RegisteredMessages& registered);

}  // namespace tremolux::win32
