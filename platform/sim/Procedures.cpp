#include "platform/sim/Procedures.h"

#include "engine/Engine.h"
#include "settings/Settings.h"
#include "shell/Commands.h"

namespace tremolux::sim {

namespace {

struct NamedProcedure {
    std::string_view name;
    Procedure procedure;
};

constexpr NamedProcedure kProcedures[] = {
    {"MainTick", MainTick},
    {"HotkeyTick", HotkeyTick},
    {"StripTimerTick", StripTimerTick},
    {"PlaceStrip", PlaceStrip},
    {"DragBumpDetector", DragBumpDetector},
    {"SlideDetector", SlideDetector},
    {"RestoreLastWindow", RestoreLastWindow},
    // the tray event with the action code of a right click
    {"ShowTrayMenu",
     [](ProgramState& state, DesktopPort& port) {
         TrayNotification rightClick;
         rightClick.code = 3;
         ShowTrayMenu(state, port, rightClick);
     }},
    {"CleanUpSettings", CleanUpSettings},
    {"ChooseDragBumpMode", ChooseDragBumpMode},
    {"ChooseSlideMode", ChooseSlideMode},
    {"ToggleNoMax", ToggleNoMax},
    {"ToggleNoMin", ToggleNoMin},
    {"ToggleStartWithWindows", ToggleStartWithWindows},
    {"OpenHelpWindow", OpenHelpWindow},
    {"ExitProgram", ExitProgram},
    {"PlaceLeftHalf", PlaceLeftHalf},
    {"PlaceRightHalf", PlaceRightHalf},
    {"PlaceMaximized", PlaceMaximized},
    {"PlaceMinimized", PlaceMinimized},
};

}  // namespace

Procedure FindProcedure(std::string_view name) {
    for (const NamedProcedure& entry : kProcedures)
        if (entry.name == name) return entry.procedure;
    return nullptr;
}

}  // namespace tremolux::sim
