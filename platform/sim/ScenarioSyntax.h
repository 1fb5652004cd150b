// The scenario file's syntax, shared by the parser and its table of
// commands: words and texts, the numbers and names a command takes, and
// what a command's row says of it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/Scenario.h"

namespace tremolux::sim::syntax {

struct Token {
    std::string text;
    bool quoted = false;
};

struct Failure {
    std::string message;
};

// A decimal integer, or hex with 0x, either with a leading minus.
std::int64_t Number(const Token& token, std::int64_t low, std::int64_t high);
std::string Word(const Token& token);
std::string Text(const Token& token);

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kLatestTime = std::numeric_limits<std::int64_t>::max() / 4;

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

// A command of the file: its form, the verb and the words after it (those in
// brackets at its end may be left out; one ending in "..." may be repeated), which says
// how many words it takes and is the message when some are missing; where
// it may stand; and how its words are read into the command.
enum class Where { SetUp, Timed, Anywhere };

struct CommandSyntax {
    std::string_view form;
    Where where;
    void (*read)(Parser& parser, const Arguments& words, Command& command);

    constexpr std::string_view Verb() const { return form.substr(0, form.find(' ')); }
    std::size_t Least() const {
        const std::string_view required = form.substr(0, form.find('['));
        return static_cast<std::size_t>(std::count(required.begin(), required.end(), ' ')) -
               (required.size() < form.size() ? 1 : 0);
    }
    std::size_t Most() const {
        return form.ends_with("...]") ? std::numeric_limits<std::size_t>::max() : Count(' ');
    }
    bool Fits(bool timed) const {
        return where == Where::Anywhere || (where == Where::Timed) == timed;
    }

private:
    std::size_t Count(char c) const {
        return static_cast<std::size_t>(std::count(form.begin(), form.end(), c));
    }
};

// Every command of the format and of the replay tool.
std::span<const CommandSyntax> Commands();

class Parser {
public:
    Scenario scenario;

    void Line(const std::string& raw, int lineNumber);

    const std::string& KnownWindow(const Token& token) const {
        if (!declared_.count(token.text)) throw Failure{"unknown window \"" + token.text + "\""};
        return token.text;
    }

    void Declare(const std::string& name);

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

}  // namespace tremolux::sim::syntax
