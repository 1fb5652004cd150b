#include "platform/sim/Scenario.h"

#include <cctype>
#include <charconv>

#include "platform/sim/ScenarioSyntax.h"

namespace tremolux::sim {

namespace syntax {

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

std::string Word(const Token& token) {
    if (token.quoted) throw Failure{"expected a word, found the text \"" + token.text + "\""};
    return token.text;
}

std::string Text(const Token& token) {
    if (!token.quoted)
        throw Failure{"expected a text in double quotes, found \"" + token.text + "\""};
    return token.text;
}

}  // namespace syntax

namespace {

using namespace syntax;

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

}  // namespace

namespace syntax {

void Parser::Line(const std::string& raw, int lineNumber) {
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

void Parser::Declare(const std::string& name) {
    if (!IsWindowName(name)) throw Failure{"bad window name \"" + name + "\""};
    if (IsReservedName(name)) throw Failure{"window name \"" + name + "\" is reserved"};
    if (!declared_.insert(name).second)
        throw Failure{"window \"" + name + "\" is already declared"};
}

Command Parser::ParseCommand(const std::vector<Token>& tokens, bool timed) {
    const std::string verb = Word(tokens[0]);
    const Arguments words{tokens, verb};
    for (const CommandSyntax& syntax : Commands()) {
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

}  // namespace syntax

std::optional<Scenario> ParseScenario(std::istream& in, ParseError& error) {
    syntax::Parser parser;
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
        } catch (const syntax::Failure& failure) {
            error = {number, failure.message};
            return std::nullopt;
        }
    }
    return std::move(parser.scenario);
}

}  // namespace tremolux::sim
