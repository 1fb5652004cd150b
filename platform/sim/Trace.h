// The replay trace: one line per desktop call, each stamped with the virtual
// time, echoed as it is made.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tremolux::sim {

// Thrown when a run would grow the trace past kMaxLines: a scenario asking
// for days of virtual time with the timers running ends instead of
// exhausting memory.
struct TraceFull {};

class Trace {
public:
    static constexpr std::size_t kMaxLines = 5'000'000;

    struct Line {
        std::int64_t time;
        std::string text;
    };

    Trace(std::ostream* echo, const std::int64_t& clock) : echo_(echo), clock_(clock) {}

    void SetReads(bool on) { reads_ = on; }
    bool Reads() const { return reads_; }

    void Call(std::string text);
    // A read is traced only with reads on; its text is made only then.
    template <typename MakeText>
    void Read(MakeText make) {
        if (reads_) Call(make());
    }

    // A line of the trace, the time field left out, equal to text.
    const Line* Find(std::string_view text) const;
    std::size_t Count(std::string_view text) const;
    const std::vector<Line>& Lines() const { return lines_; }

private:
    std::ostream* echo_;
    const std::int64_t& clock_;
    bool reads_ = false;
    std::vector<Line> lines_;
};

// A text as the trace prints it: in double quotes, with CR, LF, tab and the
// double quote escaped and a backslash left as itself.
std::string Quoted(std::string_view text);
std::string Hex(std::uint64_t value);

}  // namespace tremolux::sim
