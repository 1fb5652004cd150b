#include "platform/sim/Scenario.h"

#include <cctype>
#include <limits>
#include <set>

#include "port/DesktopPort.h"
#include "platform/sim/Procedures.h"
#include "platform/sim/SimDesktop.h"
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

std::int64_t Number(const Token& token, std::int64_t low, std::int64_t high) {
    const std::string& s = token.text;
    if (token.quoted || s.empty()) throw Failure{"bad number \"" + s + "\""};
    std::size_t i = 0;
    bool negative = false;
    if (s[0] == '-') {
        negative = true;
        i = 1;
    }
    int base = 10;
    if (s.size() > i + 1 && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size()) throw Failure{"bad number \"" + s + "\""};
    std::uint64_t value = 0;
    for (; i < s.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (digit < 0) throw Failure{"bad number \"" + s + "\""};
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / base)
            throw Failure{"number out of range \"" + s + "\""};
        value = value * base + digit;
    }
    if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        throw Failure{"number out of range \"" + s + "\""};
    const std::int64_t signedValue =
        negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    if (signedValue < low || signedValue > high) throw Failure{"number out of range \"" + s + "\""};
    return signedValue;
}

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

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
            const std::int64_t time =
                Number(tokens[1], 0, std::numeric_limits<std::int64_t>::max() / 4);
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
            const std::int64_t time =
                Number(tokens[1], 0, std::numeric_limits<std::int64_t>::max() / 4);
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

    static std::string Word(const Token& token) {
        if (token.quoted) throw Failure{"expected a word, found the text \"" + token.text + "\""};
        return token.text;
    }

    static std::string Text(const Token& token) {
        if (!token.quoted)
            throw Failure{"expected a text in double quotes, found \"" + token.text + "\""};
        return token.text;
    }

    const std::string& KnownWindow(const Token& token) {
        if (!declared_.count(token.text)) throw Failure{"unknown window \"" + token.text + "\""};
        return token.text;
    }

    static std::int32_t Key(const Token& token) {
        if (token.text == "lbutton") return win::kVkLButton;
        if (token.text == "shift") return win::kVkShift;
        if (token.text == "f1") return win::kVkF1;
        return static_cast<std::int32_t>(Number(token, 1, 255));
    }

    static std::string RegistryPath(const Token& token) {
        const std::string path = Word(token);
        const std::string prefix = path.substr(0, 5);
        if (!SameName(prefix, "HKLM\\") && !SameName(prefix, "HKCU\\") &&
            !SameName(prefix, "HKCR\\"))
            throw Failure{"registry path \"" + path + "\" does not start with HKLM\\ or HKCU\\"};
        if (path.size() == 5) throw Failure{"registry path \"" + path + "\" names no value"};
        return path;
    }

    Command ParseCommand(const std::vector<Token>& tokens, bool timed) {
        Command command;
        command.line = line_;
        const std::string verb = Word(tokens[0]);
        auto numbers = [&](std::size_t from, std::size_t count, std::int64_t low,
                           std::int64_t high) {
            Need(tokens, from + count,
                 (verb + " needs " + std::to_string(count) + " numbers").c_str());
            Exactly(tokens, from + count);
            for (std::size_t i = 0; i < count; ++i)
                command.number[i] = Number(tokens[from + i], low, high);
        };
        if (verb == "screen") {
            command.verb = Verb::Screen;
            numbers(1, 2, 1, kInt32Max);
        } else if (verb == "workarea") {
            command.verb = Verb::WorkArea;
            numbers(1, 4, kInt32Min, kInt32Max);
        } else if (verb == "cursor") {
            command.verb = Verb::Cursor;
            numbers(1, 2, kInt32Min, kInt32Max);
        } else if (verb == "window") {
            command.verb = Verb::Window;
            Need(tokens, 2, "window NAME L T R B");
            command.name = Word(tokens[1]);
            if (!IsWindowName(command.name))
                throw Failure{"bad window name \"" + command.name + "\""};
            if (IsReservedName(command.name))
                throw Failure{"window name \"" + command.name + "\" is reserved"};
            if (declared_.count(command.name))
                throw Failure{"window \"" + command.name + "\" is already declared"};
            numbers(2, 4, kInt32Min, kInt32Max);
            declared_.insert(command.name);
        } else if (verb == "foreground") {
            command.verb = Verb::Foreground;
            Need(tokens, 2, "foreground NAME");
            Exactly(tokens, 2);
            // the shell's taskbar and desktop come to the front with a click on them
            const std::string& name = tokens[1].text;
            command.name = name == "none" || name == "taskbar" || name == "desktop"
                               ? name
                               : KnownWindow(tokens[1]);
        } else if (verb == "registry") {
            command.verb = Verb::Registry;
            Need(tokens, 4, "registry PATH TYPE VALUE");
            command.name = RegistryPath(tokens[1]);
            const std::string type = Word(tokens[2]);
            if (type == "dword") {
                Exactly(tokens, 4);
                command.valueType = win::kRegDword;
                const auto n =
                    static_cast<std::uint32_t>(Number(tokens[3], kInt32Min, 0xFFFFFFFFll));
                command.bytes = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                                 static_cast<std::uint8_t>(n >> 16),
                                 static_cast<std::uint8_t>(n >> 24)};
            } else if (type == "sz" || type == "expandsz") {
                Exactly(tokens, 4);
                command.valueType = type == "sz" ? win::kRegSz : win::kRegExpandSz;
                const std::string text = Text(tokens[3]);
                command.bytes.assign(text.begin(), text.end());
                command.bytes.push_back(0);
            } else if (type == "bytes") {
                // registry PATH bytes TYPE HEX: any type, any data ("-" for none)
                Need(tokens, 5, "registry PATH bytes TYPE HEX");
                Exactly(tokens, 5);
                command.valueType = static_cast<std::uint32_t>(Number(tokens[3], 0, 0xFFFFFFFFll));
                command.bytes = HexBytes(tokens[4]);
            } else {
                throw Failure{"unknown registry type \"" + type + "\""};
            }
        } else if (verb == "program" && !timed) {
            command.verb = Verb::Program;
            Need(tokens, 2, "program \"PATH\"");
            Exactly(tokens, 2);
            command.text = Text(tokens[1]);
        } else if (verb == "instance" && !timed) {
            // instance running: another instance holds the event; racing:
            // another one creates it between our open and create; elevated:
            // another one runs as administrator, its event out of reach
            command.verb = Verb::Instance;
            Need(tokens, 2, "instance running|racing|elevated");
            Exactly(tokens, 2);
            command.name = Word(tokens[1]);
            if (command.name != "running" && command.name != "racing" && command.name != "elevated")
                throw Failure{"unknown command \"instance " + command.name + "\""};
        } else if (verb == "user" && !timed) {
            Need(tokens, 2, "user standard");
            Exactly(tokens, 2);
            if (Word(tokens[1]) != "standard")
                throw Failure{"unknown command \"user " + tokens[1].text + "\""};
            command.verb = Verb::StandardUser;
        } else if (verb == "no" && !timed) {
            Need(tokens, 2, "no taskbar");
            Exactly(tokens, 2);
            if (Word(tokens[1]) != "taskbar")
                throw Failure{"unknown command \"no " + tokens[1].text + "\""};
            command.verb = Verb::NoTaskbar;
        } else if (verb == "fullscreen") {
            // fullscreen on|off: a full-screen program is in front, or not
            command.verb = Verb::FullScreen;
            Need(tokens, 2, "fullscreen on|off");
            Exactly(tokens, 2);
            command.name = Word(tokens[1]);
            if (command.name != "on" && command.name != "off")
                throw Failure{"unknown command \"fullscreen " + command.name + "\""};
        } else if (verb == "monitor" || (timed && verb == "unplug")) {
            // monitor L T R B: another monitor beside the primary screen;
            // unplug L T R B: that monitor taken away
            command.verb = verb == "monitor" ? Verb::Monitor : Verb::Unplug;
            numbers(1, 4, kInt32Min, kInt32Max);
        } else if (verb == "trace" && !timed) {
            Need(tokens, 2, "trace reads");
            Exactly(tokens, 2);
            if (Word(tokens[1]) != "reads")
                throw Failure{"unknown command \"trace " + tokens[1].text + "\""};
            command.verb = Verb::TraceReads;
        } else if (verb == "fail" || (timed && verb == "heal")) {
            command.verb = verb == "fail" ? Verb::Fail : Verb::Heal;
            Need(tokens, 2, (verb + " OPERATION").c_str());
            Exactly(tokens, 2);
            command.name = Word(tokens[1]);
            if (!SimDesktop::OperationNamed(command.name))
                throw Failure{"unknown operation \"" + command.name + "\""};
        } else if (timed && (verb == "down" || verb == "up")) {
            command.verb = verb == "down" ? Verb::Down : Verb::Up;
            Need(tokens, 2, "down KEY");
            Exactly(tokens, 2);
            command.number[0] = Key(tokens[1]);
        } else if (timed && (verb == "grab" || verb == "size")) {
            // a drag by the title bar, or by a border (a resize)
            command.verb = verb == "grab" ? Verb::Grab : Verb::Size;
            Need(tokens, 2, (verb + " NAME X Y").c_str());
            command.name = KnownWindow(tokens[1]);
            numbers(2, 2, kInt32Min, kInt32Max);
        } else if (timed && verb == "pick") {
            // the user picks the window from the taskbar
            command.verb = Verb::Pick;
            Need(tokens, 2, "pick NAME");
            Exactly(tokens, 2);
            command.name = KnownWindow(tokens[1]);
        } else if (timed && verb == "unregistry") {
            command.verb = Verb::Unregistry;
            Need(tokens, 2, "unregistry PATH");
            Exactly(tokens, 2);
            command.name = RegistryPath(tokens[1]);
        } else if (timed && (verb == "escape" || verb == "altf4" ||
                             (verb == "close" && tokens.size() == 2 && tokens[1].text == "main"))) {
            // what reaches the hidden main window: Esc, Alt+F4, WM_CLOSE
            command.verb = Verb::MainWindow;
            Need(tokens, 2, (verb + " main").c_str());
            Exactly(tokens, 2);
            if (Word(tokens[1]) != "main") throw Failure{"only the main window takes " + verb};
            command.name = verb;
        } else if (timed && verb == "logoff") {
            // the session ends: WM_ENDSESSION reaches the main window
            command.verb = Verb::MainWindow;
            Exactly(tokens, 1);
            command.name = verb;
        } else if (timed && verb == "close") {
            command.verb = Verb::Close;
            Need(tokens, 2, "close NAME");
            Exactly(tokens, 2);
            command.name = KnownWindow(tokens[1]);
        } else if (timed && verb == "click") {
            Need(tokens, 2, "click strip");
            Exactly(tokens, 2);
            if (Word(tokens[1]) != "strip") throw Failure{"only the strip can be clicked"};
            command.verb = Verb::ClickStrip;
        } else if (timed && verb == "answer") {
            command.verb = Verb::Answer;
            Need(tokens, 2, "answer yes|no|ok");
            Exactly(tokens, 2);
            command.name = Word(tokens[1]);
            if (command.name != "yes" && command.name != "no" && command.name != "ok")
                throw Failure{"answer is yes, no or ok, not \"" + command.name + "\""};
        } else if (timed && verb == "start") {
            command.verb = Verb::Start;
            Exactly(tokens, 1);
        } else if (timed && verb == "tray") {
            command.verb = Verb::Tray;
            Need(tokens, 2, "tray lbuttonup|lbuttondblclk|rbuttonup");
            Exactly(tokens, 2);
            command.name = Word(tokens[1]);
            if (command.name == "lbuttonup") {
                command.number[0] = 0x0202;
            } else if (command.name == "lbuttondblclk") {
                command.number[0] = 0x0203;
            } else if (command.name == "rbuttonup") {
                command.number[0] = 0x0205;
            } else {
                throw Failure{"unknown tray event \"" + command.name + "\""};
            }
        } else if (timed && verb == "menu") {
            command.verb = Verb::Menu;
            Need(tokens, 2, "menu \"CAPTION\"|none");
            Exactly(tokens, 2);
            if (tokens[1].quoted) {
                command.text = tokens[1].text;
                if (!MenuItemByCaption(command.text))
                    throw Failure{"the tray menu has no item \"" + command.text + "\""};
            } else if (tokens[1].text == "none") {
                command.name = "none";
            } else {
                throw Failure{"expected a caption in double quotes or none"};
            }
        } else if (timed && verb == "help") {
            Need(tokens, 2, "help close|escape");
            Exactly(tokens, 2);
            command.verb = Verb::Help;
            command.name = Word(tokens[1]);
            if (command.name != "close" && command.name != "escape")
                throw Failure{"unknown command \"help " + command.name + "\""};
        } else if (timed && verb == "shell") {
            Need(tokens, 2, "shell restart");
            Exactly(tokens, 2);
            if (Word(tokens[1]) != "restart")
                throw Failure{"unknown command \"shell " + tokens[1].text + "\""};
            command.verb = Verb::ShellRestart;
        } else if (timed && verb == "call") {
            command.verb = Verb::Call;
            Need(tokens, 2, "call PROCEDURE");
            Exactly(tokens, 2);
            command.name = Word(tokens[1]);
            if (!FindProcedure(command.name))
                throw Failure{"unknown procedure \"" + command.name + "\""};
        } else if (timed && verb == "dump") {
            command.verb = Verb::Dump;
            if (tokens.size() == 2 && Word(tokens[1]) == "registry") {
                command.verb = Verb::DumpRegistry;  // dump registry: every key and value
            } else {
                Exactly(tokens, 1);
            }
        } else {
            throw Failure{"unknown command \"" + verb + "\"" +
                          (timed ? "" : " (timed commands start with \"at T\")")};
        }
        return command;
    }

    int line_ = 0;
    std::int64_t time_ = 0;
    bool timed_ = false;
    std::set<std::string> declared_;
};

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
