// Scenario files for tremolux-replay: parsed whole and checked before
// anything runs, so a malformed file runs nothing.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "port/Types.h"

namespace tremolux::sim {

enum class Verb {
    Screen,
    WorkArea,
    Cursor,
    Window,
    Foreground,
    Registry,
    Program,
    Instance,
    StandardUser,
    NoTaskbar,
    FullScreen,
    Monitor,
    Unplug,
    Fail,
    Heal,
    TraceReads,
    NoWinEvents,
    UiLanguage,
    Folder,
    Down,
    Up,
    Grab,
    Size,
    ChildGrab,
    ForegroundLock,
    TrayVersion,
    Pick,
    MainWindow,
    Unregistry,
    Close,
    ClickStrip,
    Tray,
    Menu,
    Answer,
    Help,
    ShellRestart,
    Call,
    Start,
    Dump,
    DumpRegistry,
};

// What a `window` line says of the window beside its rectangle.
struct WindowAttributes {
    bool maximized = false;     // shown maximized; the rectangle is its restored one
    bool fixed = false;         // no sizing border
    bool noMinimize = false;    // no minimize box
    bool elevated = false;      // its program runs at a higher integrity level
    std::int32_t minWidth = 0;  // WM_GETMINMAXINFO's minimum size
    std::int32_t minHeight = 0;
    // Per-monitor DPI aware: moved onto another monitor, it takes the
    // rectangle asked with its size scaled by this percentage (0: none), as
    // a window at another DPI takes the one WM_DPICHANGED suggests.
    std::int32_t rescale = 0;
};

struct Command {
    Verb verb = Verb::Dump;
    int line = 0;
    std::string name;                 // window, operation, procedure, registry path, event, answer
    std::string text;                 // a quoted text: registry text, menu caption, program path
    std::int64_t number[8] = {};      // a monitor's rectangle, then its work area
    std::uint32_t valueType = 0;      // registry value type
    std::vector<std::uint8_t> bytes;  // registry value data
    WindowAttributes attributes;      // window
    bool anchored = false;            // tray: numbers 1 and 2 are the anchor
};

struct Step {
    enum Kind { Timed, Run, Expect, ExpectNot, ExpectCount } kind = Timed;
    int line = 0;
    std::int64_t time = 0;   // when it falls due: its own time, or the latest before it
    Command command;         // Timed
    std::string expected;    // Expect, ExpectNot, ExpectCount
    std::int64_t count = 0;  // ExpectCount
};

struct Scenario {
    std::vector<Command> setup;
    std::vector<Step> steps;
};

struct ParseError {
    int line;
    std::string message;
};

// Lines longer than this are refused rather than read whole.
constexpr std::size_t kMaxLineLength = 4096;

std::optional<Scenario> ParseScenario(std::istream& in, ParseError& error);

}  // namespace tremolux::sim
