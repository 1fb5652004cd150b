// The scenario file's commands, one row each: its form, where it may stand
// and how its words are read.
#include <iterator>
#include <utility>

#include "platform/sim/Procedures.h"
#include "platform/sim/ScenarioSyntax.h"
#include "platform/sim/SimDesktop.h"
#include "shell/Declarations.h"

namespace tremolux::sim::syntax {

namespace {

std::vector<std::uint8_t> HexBytes(const Token& token) {
    const std::string& s = token.text;
    if (s == "-") return {};
    if (token.quoted || s.size() % 2 != 0) throw Failure{"bad byte string \"" + s + "\""};
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        Token pair{"0x" + s.substr(i, 2), false};
        bytes.push_back(static_cast<std::uint8_t>(Number(pair, 0, 255)));
    }
    return bytes;
}

std::int32_t Key(const Token& token) {
    if (token.text == "lbutton") return win::kVkLButton;
    if (token.text == "shift") return win::kVkShift;
    if (token.text == "f1") return win::kVkF1;
    return static_cast<std::int32_t>(Number(token, 1, 255));
}

std::string RegistryPath(const Token& token) {
    const std::string path = Word(token);
    const std::string prefix = path.substr(0, 5);
    if (!SameName(prefix, "HKLM\\") && !SameName(prefix, "HKCU\\") && !SameName(prefix, "HKCR\\"))
        throw Failure{"registry path \"" + path + "\" does not start with HKLM\\ or HKCU\\"};
    if (path.size() == 5) throw Failure{"registry path \"" + path + "\" names no value"};
    return path;
}

void ReadDrag(Parser& parser, const Arguments& words, Command& c, Verb verb) {
    c.verb = verb;
    c.name = parser.KnownWindow(words[0]);
    c.number[0] = Number(words[1], kInt32Min, kInt32Max);
    c.number[1] = Number(words[2], kInt32Min, kInt32Max);
}

void ReadMainWindowInput(Parser&, const Arguments& words, Command& c) {
    if (words.Count() == 1 && Word(words[0]) != "main")
        throw Failure{"only the main window takes " + words.Verb()};
    c.verb = Verb::MainWindow;
    c.name = words.Verb();
}

// The words after a window's rectangle, each an attribute, two of them
// followed by their numbers.
void ReadWindowAttributes(const Arguments& words, std::size_t from, WindowAttributes& a) {
    for (std::size_t i = from; i < words.Count(); ++i) {
        const std::string word = Word(words[i]);
        const auto number = [&](std::int64_t low, std::int64_t high) {
            if (++i >= words.Count()) throw Failure{"expected a number after \"" + word + "\""};
            return static_cast<std::int32_t>(Number(words[i], low, high));
        };
        if (word == "maximized") {
            a.maximized = true;
        } else if (word == "fixed") {
            a.fixed = true;
        } else if (word == "nominimize") {
            a.noMinimize = true;
        } else if (word == "elevated") {
            a.elevated = true;
        } else if (word == "minsize") {
            a.minWidth = number(0, kInt32Max);
            a.minHeight = number(0, kInt32Max);
        } else if (word == "rescales") {
            a.rescale = number(1, 10000);
        } else {
            throw Failure{"unknown window attribute \"" + word + "\""};
        }
    }
}

// Only what the simulated desktop can make fail.
std::string OperationName(const Token& token) {
    const std::string name = Word(token);
    if (!SimDesktop::OperationNamed(name)) throw Failure{"unknown operation \"" + name + "\""};
    return name;
}

// Every command of the format and of the replay tool, in one table.
constexpr CommandSyntax kCommands[] = {
    {.form = "screen W H",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Screen;
             words.Numbers(c, 1, kInt32Max);
         }},
    {.form = "workarea L T R B",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::WorkArea;
             words.Numbers(c, kInt32Min, kInt32Max);
         }},
    {.form = "cursor X Y",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Cursor;
             words.Numbers(c, kInt32Min, kInt32Max);
         }},
    // maximized, fixed, nominimize, elevated, minsize W H, rescales PERCENT
    {.form = "window NAME L T R B [ATTRIBUTE...]",
     .where = Where::Anywhere,
     .read =
         [](Parser& parser, const Arguments& words, Command& c) {
             c.verb = Verb::Window;
             c.name = Word(words[0]);
             for (std::size_t i = 1; i < 5; ++i)
                 c.number[i - 1] = Number(words[i], kInt32Min, kInt32Max);
             ReadWindowAttributes(words, 5, c.attributes);
             parser.Declare(c.name);
         }},
    // the shell's taskbar and desktop come to the front with a click on them
    {.form = "foreground NAME",
     .where = Where::Anywhere,
     .read =
         [](Parser& parser, const Arguments& words, Command& c) {
             c.verb = Verb::Foreground;
             const std::string& name = words[0].text;
             c.name = name == "none" || name == "taskbar" || name == "desktop"
                          ? name
                          : parser.KnownWindow(words[0]);
         }},
    // dword and the texts take a value; bytes a type and its data in hex
    {.form = "registry PATH TYPE VALUE [DATA]",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Registry;
             c.name = RegistryPath(words[0]);
             const std::string type = Word(words[1]);
             if (type == "bytes") {
                 if (words.Count() < 4) throw Failure{"expected \"registry PATH bytes TYPE HEX\""};
                 c.valueType = static_cast<std::uint32_t>(Number(words[2], 0, 0xFFFFFFFFll));
                 c.bytes = HexBytes(words[3]);
                 return;
             }
             if (words.Count() > 3) throw Failure{"unexpected \"" + words[3].text + "\""};
             if (type == "dword") {
                 c.valueType = win::kRegDword;
                 const auto n =
                     static_cast<std::uint32_t>(Number(words[2], kInt32Min, 0xFFFFFFFFll));
                 c.bytes = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                            static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
             } else if (type == "sz" || type == "expandsz") {
                 c.valueType = type == "sz" ? win::kRegSz : win::kRegExpandSz;
                 const std::string text = Text(words[2]);
                 c.bytes.assign(text.begin(), text.end());
                 c.bytes.push_back(0);
             } else {
                 throw Failure{"unknown registry type \"" + type + "\""};
             }
         }},
    {.form = "program \"PATH\"",
     .where = Where::SetUp,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Program;
             c.text = Text(words[0]);
         }},
    // running: another instance holds the event; racing: another one
    // creates it between this one's open and create; elevated: another one
    // runs as administrator, its event out of reach
    {.form = "instance running|racing|elevated",
     .where = Where::SetUp,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Instance;
             c.name = words.Choice(0, {"running", "racing", "elevated"});
         }},
    {.form = "user standard",
     .where = Where::SetUp,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             words.Choice(0, {"standard"});
             c.verb = Verb::StandardUser;
         }},
    {.form = "no taskbar",
     .where = Where::SetUp,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             words.Choice(0, {"taskbar"});
             c.verb = Verb::NoTaskbar;
         }},
    // a full-screen program is in front, or not
    {.form = "fullscreen on|off",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::FullScreen;
             c.name = words.Choice(0, {"on", "off"});
         }},
    // another monitor beside the primary screen, with its own work area
    // (the whole monitor unless given), and that monitor unplugged
    {.form = "monitor L T R B [workarea L T R B]",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Monitor;
             if (words.Count() != 4 && words.Count() != 9)
                 throw Failure{"expected \"monitor L T R B [workarea L T R B]\""};
             for (std::size_t i = 0; i < 4; ++i)
                 c.number[i] = Number(words[i], kInt32Min, kInt32Max);
             for (std::size_t i = 0; i < 4; ++i)
                 c.number[4 + i] =
                     words.Count() == 9 ? Number(words[5 + i], kInt32Min, kInt32Max) : c.number[i];
             if (words.Count() == 9) words.Choice(4, {"workarea"});
         }},
    {.form = "unplug L T R B",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Unplug;
             words.Numbers(c, kInt32Min, kInt32Max);
         }},
    // the user's UI language, a LANGID
    {.form = "uilanguage LANGID",
     .where = Where::SetUp,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::UiLanguage;
             c.number[0] = Number(words[0], 0, 0xFFFF);
         }},
    // a folder that can be opened, with its identity (its volume's serial
    // number and its index there, in one number): two paths of one identity
    // are two spellings of one folder
    {.form = "folder \"PATH\" IDENTITY",
     .where = Where::SetUp,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Folder;
             c.text = Text(words[0]);
             c.number[0] = Number(words[1], 1, kInt32Max);
         }},
    // the platform raises no WinEvents, as Wine 8
    {.form = "nowinevents",
     .where = Where::SetUp,
     .read = [](Parser&, const Arguments&, Command& c) { c.verb = Verb::NoWinEvents; }},
    {.form = "trace reads",
     .where = Where::SetUp,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             words.Choice(0, {"reads"});
             c.verb = Verb::TraceReads;
         }},
    {.form = "fail OPERATION",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Fail;
             c.name = OperationName(words[0]);
         }},
    {.form = "heal OPERATION",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Heal;
             c.name = OperationName(words[0]);
         }},
    {.form = "down KEY",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Down;
             c.number[0] = Key(words[0]);
         }},
    {.form = "up KEY",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Up;
             c.number[0] = Key(words[0]);
         }},
    // a drag by the title bar, or by a border (a resize)
    {.form = "grab NAME X Y",
     .where = Where::Timed,
     .read = [](Parser& parser, const Arguments& words,
                Command& c) { ReadDrag(parser, words, c, Verb::Grab); }},
    {.form = "size NAME X Y",
     .where = Where::Timed,
     .read = [](Parser& parser, const Arguments& words,
                Command& c) { ReadDrag(parser, words, c, Verb::Size); }},
    // a document window dragged inside NAME, its frame (an MDI child)
    {.form = "childgrab NAME X Y",
     .where = Where::Timed,
     .read = [](Parser& parser, const Arguments& words,
                Command& c) { ReadDrag(parser, words, c, Verb::ChildGrab); }},
    // the user's last input went to another program: the foreground is locked
    {.form = "foregroundlock on|off",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::ForegroundLock;
             c.name = words.Choice(0, {"on", "off"});
         }},
    // the user picks the window from the taskbar
    {.form = "pick NAME",
     .where = Where::Timed,
     .read =
         [](Parser& parser, const Arguments& words, Command& c) {
             c.verb = Verb::Pick;
             c.name = parser.KnownWindow(words[0]);
         }},
    // what reaches the hidden main window: Esc, Alt+F4, WM_CLOSE; the
    // session's end; the uninstaller's request
    {.form = "escape main", .where = Where::Timed, .read = ReadMainWindowInput},
    {.form = "altf4 main", .where = Where::Timed, .read = ReadMainWindowInput},
    {.form = "logoff", .where = Where::Timed, .read = ReadMainWindowInput},
    {.form = "uninstaller", .where = Where::Timed, .read = ReadMainWindowInput},
    // close main: another program's WM_CLOSE; close NAME: another program
    // destroys its window
    {.form = "close NAME",
     .where = Where::Timed,
     .read =
         [](Parser& parser, const Arguments& words, Command& c) {
             if (words[0].text == "main" && !words[0].quoted) {
                 ReadMainWindowInput(parser, words, c);
                 c.name = "close";
                 return;
             }
             c.verb = Verb::Close;
             c.name = parser.KnownWindow(words[0]);
         }},
    {.form = "unregistry PATH",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Unregistry;
             c.name = RegistryPath(words[0]);
         }},
    {.form = "click strip",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             if (Word(words[0]) != "strip") throw Failure{"only the strip can be clicked"};
             c.verb = Verb::ClickStrip;
         }},
    {.form = "answer yes|no|ok",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Answer;
             c.name = Word(words[0]);
             if (c.name != "yes" && c.name != "no" && c.name != "ok")
                 throw Failure{"answer is yes, no or ok, not \"" + c.name + "\""};
         }},
    {.form = "start",
     .where = Where::Timed,
     .read = [](Parser&, const Arguments&, Command& c) { c.verb = Verb::Start; }},
    // the mouse's actions on the icon, and the keyboard's after Win+B: Enter
    // or Space (keyselect), Shift+F10 or the Apps key (keymenu); with X Y,
    // the shell anchors a menu there
    {.form = "tray lbuttonup|lbuttondblclk|rbuttonup|keyselect|keymenu [X Y]",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             constexpr std::pair<std::string_view, SimDesktop::TrayInput> kEvents[] = {
                 {"lbuttonup", SimDesktop::TrayInput::LeftClick},
                 {"lbuttondblclk", SimDesktop::TrayInput::DoubleClick},
                 {"rbuttonup", SimDesktop::TrayInput::RightClick},
                 {"keyselect", SimDesktop::TrayInput::KeySelect},
                 {"keymenu", SimDesktop::TrayInput::KeyMenu},
             };
             c.verb = Verb::Tray;
             c.name = Word(words[0]);
             c.number[0] = -1;
             for (std::size_t i = 0; i < std::size(kEvents); ++i)
                 if (c.name == kEvents[i].first) c.number[0] = static_cast<std::int64_t>(i);
             if (c.number[0] < 0) throw Failure{"unknown tray event \"" + c.name + "\""};
             if (words.Count() == 2) throw Failure{"expected \"tray EVENT X Y\""};
             c.anchored = words.Count() == 3;
             for (std::size_t i = 1; i < words.Count(); ++i)
                 c.number[i] = Number(words[i], -32768, 32767);
         }},
    // the highest version of tray icon the shell takes: 4, or 0 as Windows XP's
    {.form = "trayversion 0|4",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::TrayVersion;
             c.number[0] = std::stoi(words.Choice(0, {"0", "4"}));
         }},
    {.form = "menu \"CAPTION\"|none",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Menu;
             if (words[0].quoted) {
                 c.text = words[0].text;
                 if (!AnyMenuItemCaption(c.text))
                     throw Failure{"the tray menu has no item \"" + c.text + "\""};
             } else if (words[0].text == "none") {
                 c.name = "none";
             } else {
                 throw Failure{"expected a caption in double quotes or none"};
             }
         }},
    {.form = "help close|escape",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Help;
             c.name = words.Choice(0, {"close", "escape"});
         }},
    {.form = "shell restart",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             words.Choice(0, {"restart"});
             c.verb = Verb::ShellRestart;
         }},
    {.form = "call PROCEDURE",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Call;
             c.name = Word(words[0]);
             if (!FindProcedure(c.name)) throw Failure{"unknown procedure \"" + c.name + "\""};
         }},
    // dump registry: every key and value
    {.form = "dump [registry]",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = words.Count() == 0 ? Verb::Dump : Verb::DumpRegistry;
             if (words.Count() == 1) words.Choice(0, {"registry"});
         }},
};

// A command line is read by one row alone.
constexpr bool OneRowForEachVerbAndPlace() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i)
        for (std::size_t j = i + 1; j < std::size(kCommands); ++j)
            if (kCommands[i].Verb() == kCommands[j].Verb() &&
                (kCommands[i].where == kCommands[j].where ||
                 kCommands[i].where == Where::Anywhere || kCommands[j].where == Where::Anywhere))
                return false;
    return true;
}
static_assert(OneRowForEachVerbAndPlace(), "two rows read the same command");

}  // namespace

std::span<const CommandSyntax> Commands() { return kCommands; }

}  // namespace tremolux::sim::syntax
