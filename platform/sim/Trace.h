// The replay trace: one line per desktop call, each stamped with the virtual
// time, echoed as it is made. The lines are kept as an index, each distinct
// line with how often and when first it was made, so that an expectation
// costs a lookup whatever the length of the trace.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>

#include "port/Types.h"

namespace tremolux::sim {

// Thrown when a run would grow the trace past its bounds: a scenario asking
// for days of the program's life ends instead of exhausting memory or disk.
struct TraceFull {};

struct TraceBounds {
    std::size_t lines = 1'000'000;
    std::size_t bytes = 32u << 20;
};

class Trace {
public:
    struct Seen {
        std::size_t count = 0;
        std::int64_t firstTime = 0;
    };

    Trace(std::ostream* echo, const std::int64_t& clock, TraceBounds bounds = {})
        : echo_(echo), clock_(clock), bounds_(bounds) {}

    void SetReads(bool on) { reads_ = on; }
    bool Reads() const { return reads_; }

    void Call(std::string text);
    // A read is traced only with reads on; its text is made only then.
    template <typename MakeText>
    void Read(MakeText make) {
        if (reads_) Call(make());
    }

    // A line of the trace, the time field left out, equal to text; null
    // when there is none.
    const Seen* Find(std::string_view text) const;
    std::size_t Count(std::string_view text) const;
    std::size_t Lines() const { return lines_; }
    std::int64_t Now() const { return clock_; }
    // Forgets every line, as for a new run on the same clock.
    void Clear();

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    std::ostream* echo_;
    const std::int64_t& clock_;
    TraceBounds bounds_;
    bool reads_ = false;
    std::size_t lines_ = 0;
    std::size_t bytes_ = 0;
    std::unordered_map<std::string, Seen, Hash, std::equal_to<>> seen_;
};

// A text as the trace prints it: in double quotes, with CR, LF, tab and the
// double quote escaped and a backslash left as itself.
std::string Quoted(std::string_view text);
std::string Hex(std::uint64_t value);
// A rectangle as the trace prints it: left, top, right and bottom, spaced.
std::string Spaced(const Rect& rect);

}  // namespace tremolux::sim
