#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "platform/sim/Replay.h"
#include "platform/sim/Scenario.h"
#include "shell/Declarations.h"
#include "shell/Texts.h"

namespace tremolux::sim {
namespace {

struct Parsed {
    std::optional<Scenario> scenario;
    ParseError error{};
};

Parsed Parse(const std::string& text) {
    std::istringstream in(text);
    Parsed parsed;
    parsed.scenario = ParseScenario(in, parsed.error);
    return parsed;
}

// Runs a scenario and returns its exit code; the trace and the errors are
// kept for the test to look at.
struct Outcome {
    int code;
    std::string trace;
    std::string errors;
};

Outcome RunText(const std::string& text) {
    Parsed parsed = Parse(text);
    if (!parsed.scenario) return {2, "", parsed.error.message};
    std::ostringstream out, err;
    Replay replay(*parsed.scenario, &out, err);
    const int code = replay.Run();
    return {code, out.str(), err.str()};
}

TEST(ScenarioParser, RefusesAHugeLineWithoutHoldingIt) {
    std::string text = "window A 0 0 10 10\nat 100 cursor ";
    text.append(10 * 1024 * 1024, '7');
    text += "\nat 200 cursor 1 1\n";
    const Parsed parsed = Parse(text);
    ASSERT_FALSE(parsed.scenario);
    EXPECT_EQ(parsed.error.line, 2);
    EXPECT_NE(parsed.error.message.find("longer than"), std::string::npos);
}

TEST(ScenarioParser, NamesTheLineOfEachKindOfMistake) {
    struct Case {
        const char* text;
        int line;
        const char* message;
    } cases[] = {
        {"\n\nat 5 frobnicate\n", 3, "unknown command"},
        {"cursor 1 0x\n", 1, "bad number"},
        {"cursor 1 --2\n", 1, "bad number"},
        {"at 10 cursor 1 1\nat 9 cursor 2 2\n", 2, "time goes backwards"},
        {"program \"abc\n", 1, "unterminated text"},
        {"program \"abc\\\"\n", 1, "unterminated text"},
        {"window main 0 0 1 1\n", 1, "reserved"},
        {"window 9A 0 0 1 1\n", 1, "bad window name"},
        {"window A 0 0 1\n", 1, "expected \"window NAME L T R B [ATTRIBUTE...]\""},
        {"at 1 escape help\n", 1, "only the main window"},
        {"window A 0 0 1 1 5\n", 1, "unknown window attribute \"5\""},
        {"window A 0 0 1 1 minsize 700\n", 1, "expected a number after \"minsize\""},
        {"fail Frobnicate\n", 1, "unknown operation"},
        {"at 1 call Frobnicate\n", 1, "unknown procedure"},
        {"registry SOFTWARE\\x dword 1\n", 1, "HKLM"},
        {"registry HKLM\\x qword 1\n", 1, "unknown registry type"},
        {"at 1 cursor 2147483648 0\n", 1, "out of range"},
        {"at -1 cursor 0 0\n", 1, "out of range"},
        {"expect\n", 1, "expect needs"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = Parse(c.text);
        ASSERT_FALSE(parsed.scenario) << c.text;
        EXPECT_EQ(parsed.error.line, c.line) << c.text;
        EXPECT_NE(parsed.error.message.find(c.message), std::string::npos)
            << c.text << " gave: " << parsed.error.message;
    }
}

// Bytes that are no scenario are refused with a line of the input and
// what is wrong there.
TEST(ScenarioParser, RefusesArbitraryBytesNamingALine) {
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919) % 256);
    const auto lines = 1 + std::count(noise.begin(), noise.end(), '\n');
    const Parsed parsed = Parse(noise);
    ASSERT_FALSE(parsed.scenario);
    EXPECT_GE(parsed.error.line, 1);
    EXPECT_LE(parsed.error.line, lines);
    EXPECT_FALSE(parsed.error.message.empty());
    EXPECT_EQ(Parse("at 1 cursor \"\\").error.message, "unterminated text");
    EXPECT_EQ(Parse("\"x\"").error.message, "a line starts with a command, not a text");
}

TEST(ScenarioParser, ReadsTextsNumbersAndComments) {
    const Parsed parsed = Parse(
        "# a comment\n"
        "program \"C:\\Program Files\\a\\\"b\\\".exe\\t\"  # trailing\n"
        "cursor 0x10 -3\r\n");
    ASSERT_TRUE(parsed.scenario) << parsed.error.message;
    ASSERT_EQ(parsed.scenario->setup.size(), 2u);
    EXPECT_EQ(parsed.scenario->setup[0].text, "C:\\Program Files\\a\"b\".exe\t");
    EXPECT_EQ(parsed.scenario->setup[1].number[0], 16);
    EXPECT_EQ(parsed.scenario->setup[1].number[1], -3);
}

TEST(Replay, ExpectComparesWholeLinesWithoutTheTime) {
    const char* base = "window A 100 50 900 650\nforeground A\nat 100 call PlaceLeftHalf\n";
    EXPECT_EQ(RunText(std::string(base) + "expect SetWindowPos A -1 0 0 512 738 0x4\n").code, 0);
    EXPECT_EQ(RunText(std::string(base) + "expect SetWindowPos A -1 0 0 512 738\n").code, 1);
    EXPECT_EQ(RunText(std::string(base) + "expect 100 SetWindowPos A -1 0 0 512 738 0x4\n").code,
              1);
    const Outcome failed = RunText(std::string(base) + "expect not EnableWindow A 1  # comment\n");
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.errors.find("line 4"), std::string::npos) << failed.errors;
    EXPECT_NE(failed.errors.find("found at time 100"), std::string::npos) << failed.errors;
}

TEST(Replay, AnExpectSeesOnlyWhatHappenedByItsTime) {
    const Outcome outcome = RunText(
        "window A 100 50 900 650\nforeground A\n"
        "at 100 call PlaceLeftHalf\n"
        "expect not SetWindowPos A -1 513 0 511 738 0x4\n"
        "at 200 call PlaceRightHalf\n"
        "expect SetWindowPos A -1 513 0 511 738 0x4\n");
    EXPECT_EQ(outcome.code, 0) << outcome.errors;
}

TEST(Replay, TracesEveryCallWithItsTime) {
    const Outcome outcome =
        RunText("window A 100 50 900 650\nforeground A\nat 100 call PlaceLeftHalf\n");
    EXPECT_EQ(outcome.trace,
              "100 EnableWindow A 0\n"
              "100 SetWindowPos A -1 0 0 512 738 0x4\n"
              "100 EnableWindow A 1\n");
}

}  // namespace
}  // namespace tremolux::sim

namespace tremolux::sim {
namespace {

// A run that would not end, or would exhaust memory, ends with exit 1 and a
// message that says which bound it reached.
TEST(ReplayBounds, EndAnUnendingRunWithItsOwnMessage) {
    struct Case {
        std::string text;
        const char* message;
    };
    std::string nested;
    for (int i = 0; i < 200; ++i) nested += "at 1 call CleanUpSettings\n";
    std::string bigValues;
    for (int i = 0; i < 200; ++i)
        bigValues += "registry HKLM\\big\\v" + std::to_string(i) + " bytes 3 " +
                     std::string(4000, 'a') + "\n";
    for (int i = 0; i < 100; ++i) bigValues += "at " + std::to_string(i + 1) + " dump registry\n";
    const Case cases[] = {
        // days of virtual time with the timers running
        {"at 100 start\nrun 100000000000\n", "timers would run past 360 minutes"},
        // a refused instance's box answered in centuries: its timers trace
        // nothing, so only the time bound can end it
        {"instance running\nat 100 start\nat 2305843009213693951 answer ok\n",
         "timers would run past 360 minutes"},
        // each box's loop runs the next call, which opens another box
        {nested, "message loops would be nested"},
        // a few lines, each of them long
        {bigValues, "the trace would grow past"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = Parse(c.text);
        ASSERT_TRUE(parsed.scenario) << parsed.error.message;
        std::ostringstream err;
        Replay replay(*parsed.scenario, nullptr, err);
        EXPECT_EQ(replay.Run(), 1) << c.message;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
}

TEST(ReplayBounds, AnExpectAsksTheIndexNotTheWholeTrace) {
    // each line's first time and count, whatever else the trace holds
    const Outcome outcome = RunText(
        "window A 100 50 900 650\nforeground A\n"
        "at 100 call PlaceLeftHalf\n"
        "at 200 call PlaceLeftHalf\n"
        "expect count 2 SetWindowPos A -1 0 0 512 738 0x4\n"
        "expect not SetWindowPos A -1 0 0 512 738 0x4\n");
    EXPECT_EQ(outcome.code, 1);
    EXPECT_NE(outcome.errors.find("found at time 100"), std::string::npos) << outcome.errors;
}

TEST(ScenarioParser, BoundsALineTheSameWhateverItsEnd) {
    const std::string longest = "# " + std::string(kMaxLineLength - 2, 'x');
    EXPECT_TRUE(Parse(longest + "\n").scenario);
    EXPECT_TRUE(Parse(longest + "\r\n").scenario);
    EXPECT_TRUE(Parse(longest).scenario);
    EXPECT_FALSE(Parse(longest + "x\n").scenario);
    EXPECT_FALSE(Parse(longest + "x\r\n").scenario);
}

// The moments of a run's trace within [from, to): when the program woke.
std::set<std::int64_t> MomentsOf(const std::string& trace, std::int64_t from, std::int64_t to) {
    std::set<std::int64_t> moments;
    std::istringstream lines(trace);
    std::int64_t time = 0;
    std::string rest;
    while (lines >> time && std::getline(lines, rest))
        if (time >= from && time < to) moments.insert(time);
    return moments;
}

// With every read traced, each tick of a timer shows at its moment: an
// idle second, before a drag and after one, wakes the program at the
// hundredths alone (the hotkey timer's; the main and strip timers fall on
// them), whether the platform reports the drag or the tick finds it. A
// drag timer left running would show between them.
TEST(DragFollowing, AnIdleSecondWakesTheThreeTimersAlone) {
    std::set<std::int64_t> hundredths;
    for (int t = 0; t < 1000; t += 100) hundredths.insert(t);
    for (const char* platform : {"", "nowinevents\n"}) {
        const Outcome outcome =
            RunText(std::string(platform) +
                    "trace reads\nwindow A 100 100 500 400\nforeground A\nat 0 start\n"
                    "at 1300 grab A 300 110\nat 1320 cursor 600 300\nat 1450 cursor 1023 300\n"
                    "at 1500 up lbutton\nat 3000 dump\n");
        ASSERT_EQ(outcome.code, 0) << outcome.errors;
        EXPECT_NE(outcome.trace.find("SetWindowPos A -1 513 0 511 738 0x4"), std::string::npos);
        for (std::int64_t from : {200, 1800}) {
            std::set<std::int64_t> expected;
            for (std::int64_t t : hundredths) expected.insert(from + t);
            EXPECT_EQ(MomentsOf(outcome.trace, from, from + 1000), expected)
                << (*platform ? "no WinEvents, " : "WinEvents, ") << "from " << from;
        }
    }
}

// The scripts of a text's letters beyond ASCII, decoded from UTF-8: kLatin
// the accented Latin letters.
enum Script : unsigned { kLatin = 1, kCyrillic = 2, kKana = 4, kHangul = 8, kHan = 16 };
std::vector<char32_t> CodePoints(std::string_view text) {
    std::vector<char32_t> codes;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        codes.push_back(code);
        i += length;
    }
    return codes;
}
unsigned ScriptsOf(std::string_view text) {
    unsigned scripts = 0;
    for (char32_t code : CodePoints(text)) {
        if (code >= 0xC0 && code <= 0x24F && code != 0xD7 && code != 0xF7) scripts |= kLatin;
        if (code >= 0x400 && code <= 0x4FF) scripts |= kCyrillic;
        if (code >= 0x3040 && code <= 0x30FF) scripts |= kKana;
        if (code >= 0xAC00 && code <= 0xD7AF) scripts |= kHangul;
        if (code >= 0x4E00 && code <= 0x9FFF) scripts |= kHan;
    }
    return scripts;
}

// Each UI language gets its texts, in its script: the Chinese of the PRC
// and Singapore the specification's exactly, that of Taiwan, Hong Kong,
// Macao and zh-Hant Traditional, the ten other languages by their primary
// language whatever the country, every other English; the settings written
// are the same in every language.
TEST(Languages, TheUserInterfaceLanguageChoosesTheTexts) {
    struct Case {
        const char* setUp;
        const Texts& texts;
        unsigned scripts;
    } cases[] = {{"uilanguage 0x0409\n", kEnglishTexts, 0},
                 {"uilanguage 0x0413\n", kEnglishTexts, 0},
                 {"uilanguage 0x0404\n", kTraditionalTexts, kHan},
                 {"uilanguage 0x0C04\n", kTraditionalTexts, kHan},
                 {"uilanguage 0x1404\n", kTraditionalTexts, kHan},
                 {"uilanguage 0x7C04\n", kTraditionalTexts, kHan},
                 {"uilanguage 0x1004\n", kChineseTexts, kHan},
                 {"uilanguage 0x0004\n", kChineseTexts, kHan},
                 {"", kChineseTexts, kHan},
                 {"uilanguage 0x0411\n", kJapaneseTexts, kHan | kKana},
                 {"uilanguage 0x0412\n", kKoreanTexts, kHangul},
                 {"uilanguage 0x0407\n", kGermanTexts, kLatin},
                 {"uilanguage 0x0C07\n", kGermanTexts, kLatin},
                 {"uilanguage 0x040C\n", kFrenchTexts, kLatin},
                 {"uilanguage 0x0C0C\n", kFrenchTexts, kLatin},
                 {"uilanguage 0x0C0A\n", kSpanishTexts, kLatin},
                 {"uilanguage 0x080A\n", kSpanishTexts, kLatin},
                 {"uilanguage 0x0416\n", kPortugueseTexts, kLatin},
                 {"uilanguage 0x0816\n", kPortugueseTexts, kLatin},
                 {"uilanguage 0x0419\n", kRussianTexts, kCyrillic},
                 {"uilanguage 0x0410\n", kItalianTexts, kLatin},
                 {"uilanguage 0x0415\n", kPolishTexts, kLatin},
                 {"uilanguage 0x041F\n", kTurkishTexts, kLatin}};
    std::string written;
    std::set<const Texts*> chosen;
    for (const Case& c : cases) {
        const auto item = [&](Text text) { return Quoted(c.texts.*text); };
        const Outcome outcome =
            RunText(std::string(c.setUp) + "at 100 start\nat 200 tray rbuttonup\nat 250 menu " +
                    item(&Texts::slideItem) + "\nat 300 tray rbuttonup\nat 350 menu " +
                    item(&Texts::noMaxItem) + "\nat 400 tray rbuttonup\nat 450 menu " +
                    item(&Texts::cleanUpItem) + "\nat 500 answer no\nat 600 dump registry\n");
        ASSERT_EQ(outcome.code, 0) << c.setUp << outcome.errors;
        chosen.insert(&c.texts);
        EXPECT_EQ(ScriptsOf(outcome.trace), c.scripts) << c.setUp << outcome.trace;
        EXPECT_NE(outcome.trace.find("CheckMenu " + item(&Texts::slideItem) + " 1"),
                  std::string::npos)
            << c.setUp;
        EXPECT_NE(outcome.trace.find("MessageBoxA " + item(&Texts::cleanUpQuestion) + " " +
                                     item(&Texts::cleanUpCaption) + " 0x2004 -> no"),
                  std::string::npos)
            << c.setUp << outcome.trace;
        std::string registry;
        std::istringstream lines(outcome.trace);
        for (std::string line; std::getline(lines, line);)
            if (line.find("RegWrite") != std::string::npos) registry += line + "\n";
        if (written.empty()) written = registry;
        EXPECT_EQ(registry, written) << c.setUp;
    }
    EXPECT_EQ(chosen.size(), std::size(kLanguages));
    // the refusal of a second instance, in the specification's words
    const Outcome refused = RunText(
        "instance running\nuilanguage 0x1004\nat 100 start\n"
        "at 200 answer ok\n");
    EXPECT_NE(refused.trace.find("MessageBoxA \"不能重复运行本程序!\" \"信息：\" 0x2000 -> ok"),
              std::string::npos)
        << refused.trace;
    const Outcome english = RunText(
        "instance running\nuilanguage 0x0409\nat 100 start\n"
        "at 200 answer ok\n");
    EXPECT_EQ(ScriptsOf(english.trace), 0u) << english.trace;
    EXPECT_NE(english.trace.find("MessageBoxA \"Tremolux is already running.\""),
              std::string::npos);
}

// Each menu a keyboard user opens has one access key an item, none shared
// by two items of it (case folded as Windows folds it), in every language
// but the specification's, which has none.
TEST(Languages, EachMenuHasDistinctAccessKeys) {
    const auto fold = [](char32_t key) -> char32_t {
        const bool upper = (key >= U'A' && key <= U'Z') || (key >= 0xC0 && key <= 0xDE) ||
                           (key >= 0x410 && key <= 0x42F);
        return upper ? key + 0x20 : key;
    };
    for (const Texts* texts : kLanguages) {
        if (texts == &kChineseTexts) continue;
        std::set<char32_t> top, submenu;
        for (const MenuItemDeclaration& item : TrayMenu()) {
            if (!item.caption) continue;
            const std::string caption = texts->*item.caption;
            const std::vector<char32_t> codes = CodePoints(caption);
            const auto amp = std::find(codes.begin(), codes.end(), U'&');
            ASSERT_TRUE(amp != codes.end() && amp + 1 != codes.end()) << caption;
            EXPECT_EQ(std::count(codes.begin(), codes.end(), U'&'), 1) << caption;
            if (item.opensSubmenu) submenu.clear();
            EXPECT_TRUE((item.depth == 0 ? top : submenu).insert(fold(amp[1])).second) << caption;
        }
    }
}

// The Traditional texts are written as Taiwan writes them, not the
// Simplified ones: none of them holds a character of Simplified form.
TEST(Languages, TraditionalTextsHoldNoSimplifiedCharacter) {
    const std::string simplified =
        "软体复择选动认许据际惯两种现时标题栏让针侧则极详轻过当发热键临览刚产钮单独触随启对"
        "经进办员开参说懒点项组页给网删册载这将设确执请毕见谢权帮档历预暂视图该显复击";
    for (Text text : kAllTexts) {
        const std::string traditional = kTraditionalTexts.*text;
        for (std::size_t i = 0; i + 3 <= simplified.size(); i += 3)
            EXPECT_EQ(traditional.find(simplified.substr(i, 3)), std::string::npos)
                << simplified.substr(i, 3) << " in " << traditional;
    }
}

}  // namespace
}  // namespace tremolux::sim
