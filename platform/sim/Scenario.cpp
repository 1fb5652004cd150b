#include "platform/sim/Scenario.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <set>
#include <string_view>
#include <utility>

#include "platform/sim/Procedures.h"
#include "platform/sim/SimDesktop.h"
#include "port/DesktopPort.h"
#include "shell/Declarations.h"

namespace tremolux::sim {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

struct Failure {
    std::string message;
};

// Reads one line of at most kMaxLineLength characters, its end (LF or CR LF)
// not counted; a longer line is consumed to its end and reported, never held
// whole.
bool ReadLine(std::istream& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    int c = in.get();
    if (c == std::char_traits<char>::eof()) return false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = in.get()) {
        if (line.size() <= kMaxLineLength) {
            line += static_cast<char>(c);
        } else {
            tooLong = true;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kMaxLineLength) tooLong = true;
    return true;
}

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// Splits a line into words and quoted texts; `#` outside a text starts a
// comment.
std::vector<Token> Tokenize(const std::string& line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsSpace(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        Token token;
        if (line[i] == '"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size()) {
                    const char e = line[i];
                    const char* escapes = "rnt\"\\";
                    const char* values = "\r\n\t\"\\";
                    const char* hit = std::char_traits<char>::find(escapes, 5, e);
                    if (hit) {
                        token.text += values[hit - escapes];
                        ++i;
                        continue;
                    }
                }
                token.text += c;
            }
            if (!closed) throw Failure{"unterminated text"};
        } else {
            while (i < line.size() && !IsSpace(line[i])) token.text += line[i++];
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

// The rest of the line after the first `skip` words, as written, with a
// trailing comment and surrounding blanks removed.
std::string RestOfLine(const std::string& line, int skip) {
    std::size_t i = 0;
    for (int word = 0; word < skip; ++word) {
        while (i < line.size() && IsSpace(line[i])) ++i;
        while (i < line.size() && !IsSpace(line[i])) ++i;
    }
    while (i < line.size() && IsSpace(line[i])) ++i;
    std::size_t end = i;
    bool inText = false;
    for (std::size_t j = i; j < line.size(); ++j) {
        const char c = line[j];
        if (inText && c == '\\' && j + 1 < line.size()) {
            ++j;
            continue;
        }
        if (c == '"') inText = !inText;
        if (!inText && c == '#' && (j == i || IsSpace(line[j - 1]))) break;
        end = j + 1;
    }
    std::string rest = line.substr(i, end - i);
    while (!rest.empty() && IsSpace(rest.back())) rest.pop_back();
    return rest;
}

// A decimal integer, or hex with 0x, either with a leading minus.
std::int64_t Number(const Token& token, std::int64_t low, std::int64_t high) {
    const std::string& s = token.text;
    const Failure bad{"bad number \"" + s + "\""};
    const Failure outOfRange{"number out of range \"" + s + "\""};
    if (token.quoted) throw bad;
    std::string_view digits = s;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    int base = 10;
    if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    std::uint64_t value = 0;
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (error == std::errc::result_out_of_range) throw outOfRange;
    if (digits.empty() || error != std::errc{} || stop != end) throw bad;
    if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        throw outOfRange;
    const std::int64_t signedValue =
        negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    if (signedValue < low || signedValue > high) throw outOfRange;
    return signedValue;
}

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kLatestTime = std::numeric_limits<std::int64_t>::max() / 4;

bool IsWindowName(const std::string& name) {
    if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

bool IsReservedName(const std::string& name) {
    return name == "main" || name == "strip" || name == "help" || name == "taskbar" ||
           name == "desktop" || name == "none";
}

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

std::string Word(const Token& token) {
    if (token.quoted) throw Failure{"expected a word, found the text \"" + token.text + "\""};
    return token.text;
}

std::string Text(const Token& token) {
    if (!token.quoted)
        throw Failure{"expected a text in double quotes, found \"" + token.text + "\""};
    return token.text;
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

// The words after a command's verb.
class Arguments {
public:
    Arguments(const std::vector<Token>& tokens, std::string verb)
        : tokens_(tokens), verb_(std::move(verb)) {}
    std::size_t Count() const { return tokens_.size() - 1; }
    const Token& operator[](std::size_t i) const { return tokens_[i + 1]; }
    const std::string& Verb() const { return verb_; }
    // Every word a number in the range, in the command's numbers.
    void Numbers(Command& command, std::int64_t low, std::int64_t high) const {
        for (std::size_t i = 0; i < Count(); ++i) command.number[i] = Number((*this)[i], low, high);
    }
    // One of the words the command takes there; with another it is a command
    // unknown, as "help open" is.
    std::string Choice(std::size_t i, std::initializer_list<std::string_view> choices) const {
        const std::string word = Word((*this)[i]);
        for (std::string_view choice : choices)
            if (word == choice) return word;
        throw Failure{"unknown command \"" + verb_ + " " + word + "\""};
    }

private:
    const std::vector<Token>& tokens_;
    std::string verb_;
};

class Parser;

// A command of the file: its form, the verb and the words after it (one in
// brackets may be left out), which says how many words it takes and is
// the message when some are missing; where it may stand; and how its words
// are read into the command.
enum class Where { SetUp, Timed, Anywhere };

struct CommandSyntax {
    std::string_view form;
    Where where;
    void (*read)(Parser& parser, const Arguments& words, Command& command);

    constexpr std::string_view Verb() const { return form.substr(0, form.find(' ')); }
    std::size_t Least() const { return Most() - Count('['); }
    std::size_t Most() const { return Count(' '); }
    bool Fits(bool timed) const {
        return where == Where::Anywhere || (where == Where::Timed) == timed;
    }

private:
    std::size_t Count(char c) const {
        return static_cast<std::size_t>(std::count(form.begin(), form.end(), c));
    }
};

class Parser {
public:
    Scenario scenario;

    void Line(const std::string& raw, int lineNumber) {
        const std::vector<Token> tokens = Tokenize(raw);
        if (tokens.empty()) return;
        line_ = lineNumber;
        const std::string& first = tokens[0].text;
        if (tokens[0].quoted) throw Failure{"a line starts with a command, not a text"};
        if (first == "at") {
            Need(tokens, 3, "at T COMMAND");
            const std::int64_t time = Number(tokens[1], 0, kLatestTime);
            Advance(time);
            timed_ = true;
            Step step;
            step.kind = Step::Timed;
            step.line = line_;
            step.time = time;
            step.command = ParseCommand({tokens.begin() + 2, tokens.end()}, true);
            scenario.steps.push_back(std::move(step));
        } else if (first == "run") {
            Need(tokens, 2, "run T");
            Exactly(tokens, 2);
            const std::int64_t time = Number(tokens[1], 0, kLatestTime);
            Advance(time);
            Step step;
            step.kind = Step::Run;
            step.line = line_;
            step.time = time;
            scenario.steps.push_back(std::move(step));
        } else if (first == "expect") {
            Step step;
            step.line = line_;
            step.time = time_;
            const std::string second = tokens.size() > 1 && !tokens[1].quoted ? tokens[1].text : "";
            int skip = 1;
            step.kind = Step::Expect;
            if (second == "not") {
                step.kind = Step::ExpectNot;
                skip = 2;
            } else if (second == "count") {
                // expect count N LINE: the trace so far holds LINE exactly N times
                Need(tokens, 4, "expect count N LINE");
                step.kind = Step::ExpectCount;
                step.count = Number(tokens[2], 0, kInt32Max);
                skip = 3;
            }
            step.expected = RestOfLine(raw, skip);
            if (step.expected.empty()) throw Failure{"expect needs a trace line"};
            scenario.steps.push_back(std::move(step));
        } else {
            if (timed_)
                throw Failure{"set-up command \"" + first +
                              "\" after the first timed command; write it as \"at T " + first +
                              " ...\""};
            scenario.setup.push_back(ParseCommand(tokens, false));
        }
    }

    const std::string& KnownWindow(const Token& token) const {
        if (!declared_.count(token.text)) throw Failure{"unknown window \"" + token.text + "\""};
        return token.text;
    }

    void Declare(const std::string& name) {
        if (!IsWindowName(name)) throw Failure{"bad window name \"" + name + "\""};
        if (IsReservedName(name)) throw Failure{"window name \"" + name + "\" is reserved"};
        if (!declared_.insert(name).second)
            throw Failure{"window \"" + name + "\" is already declared"};
    }

private:
    void Advance(std::int64_t time) {
        if (time < time_)
            throw Failure{"time goes backwards: " + std::to_string(time) + " after " +
                          std::to_string(time_)};
        time_ = time;
    }

    static void Need(const std::vector<Token>& tokens, std::size_t count, const char* form) {
        if (tokens.size() < count) throw Failure{std::string("expected \"") + form + "\""};
    }

    static void Exactly(const std::vector<Token>& tokens, std::size_t count) {
        if (tokens.size() > count) throw Failure{"unexpected \"" + tokens[count].text + "\""};
    }

    Command ParseCommand(const std::vector<Token>& tokens, bool timed);

    int line_ = 0;
    std::int64_t time_ = 0;
    bool timed_ = false;
    std::set<std::string> declared_;
};

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
    {.form = "window NAME L T R B",
     .where = Where::Anywhere,
     .read =
         [](Parser& parser, const Arguments& words, Command& c) {
             c.verb = Verb::Window;
             c.name = Word(words[0]);
             for (std::size_t i = 1; i < 5; ++i)
                 c.number[i - 1] = Number(words[i], kInt32Min, kInt32Max);
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
    // another monitor beside the primary screen, and that monitor unplugged
    {.form = "monitor L T R B",
     .where = Where::Anywhere,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Monitor;
             words.Numbers(c, kInt32Min, kInt32Max);
         }},
    {.form = "unplug L T R B",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Unplug;
             words.Numbers(c, kInt32Min, kInt32Max);
         }},
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
    {.form = "tray lbuttonup|lbuttondblclk|rbuttonup",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             constexpr std::pair<std::string_view, std::uint32_t> kEvents[] = {
                 {"lbuttonup", win::kWmLButtonUp},
                 {"lbuttondblclk", win::kWmLButtonDblClk},
                 {"rbuttonup", win::kWmRButtonUp},
             };
             c.verb = Verb::Tray;
             c.name = Word(words[0]);
             for (const auto& [name, message] : kEvents)
                 if (c.name == name) c.number[0] = message;
             if (c.number[0] == 0) throw Failure{"unknown tray event \"" + c.name + "\""};
         }},
    {.form = "menu \"CAPTION\"|none",
     .where = Where::Timed,
     .read =
         [](Parser&, const Arguments& words, Command& c) {
             c.verb = Verb::Menu;
             if (words[0].quoted) {
                 c.text = words[0].text;
                 if (!MenuItemByCaption(c.text))
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

Command Parser::ParseCommand(const std::vector<Token>& tokens, bool timed) {
    const std::string verb = Word(tokens[0]);
    const Arguments words{tokens, verb};
    for (const CommandSyntax& syntax : kCommands) {
        if (syntax.Verb() != verb || !syntax.Fits(timed)) continue;
        if (words.Count() < syntax.Least())
            throw Failure{"expected \"" + std::string(syntax.form) + "\""};
        if (words.Count() > syntax.Most())
            throw Failure{"unexpected \"" + words[syntax.Most()].text + "\""};
        Command command;
        command.line = line_;
        syntax.read(*this, words, command);
        return command;
    }
    throw Failure{"unknown command \"" + verb + "\"" +
                  (timed ? "" : " (timed commands start with \"at T\")")};
}

}  // namespace

std::optional<Scenario> ParseScenario(std::istream& in, ParseError& error) {
    Parser parser;
    std::string line;
    bool tooLong = false;
    int number = 0;
    while (ReadLine(in, line, tooLong)) {
        ++number;
        if (tooLong) {
            error = {number, "line longer than " + std::to_string(kMaxLineLength) + " characters"};
            return std::nullopt;
        }
        try {
            parser.Line(line, number);
        } catch (const Failure& failure) {
            error = {number, failure.message};
            return std::nullopt;
        }
    }
    return std::move(parser.scenario);
}

}  // namespace tremolux::sim
