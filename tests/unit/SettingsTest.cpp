#include <gtest/gtest.h>

#include <string>

#include "platform/sim/SimDesktop.h"
#include "settings/Settings.h"

namespace tremolux {
namespace {

constexpr RegistryKey kHklm = win::kHkeyLocalMachine;

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

struct Desk {
    std::int64_t clock = 0;
    sim::Trace trace{nullptr, clock};
    sim::SimDesktop desktop{trace};

    void Put(std::string_view key, std::string_view name, std::uint32_t type,
             std::vector<std::uint8_t> data) {
        desktop.Registry().Put(kHklm, key, name, type, std::move(data));
    }
    void PutNumber(std::string_view name, std::uint32_t value) {
        Put("Software\\Kestrelia\\Tremolux", name, win::kRegDword,
            {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
    }
    std::string Text(std::string_view fallback = {}) {
        return ReadText(desktop, kHklm, "software\\test\\value", fallback);
    }
};

TEST(SplitLocation, CutsAtTheLastBackslash) {
    EXPECT_EQ(SplitLocation("a\\b\\c").key, "a\\b");
    EXPECT_EQ(SplitLocation("a\\b\\c").valueName, "c");
    EXPECT_EQ(SplitLocation("name").key, "");
    EXPECT_EQ(SplitLocation("name").valueName, "name");
    EXPECT_EQ(SplitLocation("a\\").valueName, "");
}

TEST(ReadNumber, GivesTheDefaultForAnythingButAFourByteDword) {
    Desk d;
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 1u);  // no key at all
    d.Put("Software\\Kestrelia\\Tremolux", "opmode", win::kRegSz, Bytes(std::string("2\0", 2)));
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 1u);
    d.Put("Software\\Kestrelia\\Tremolux", "opmode", win::kRegBinary, {2, 0, 0, 0});
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 1u);
    d.Put("Software\\Kestrelia\\Tremolux", "opmode", win::kRegDword, {2, 0});
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 1u);
    d.Put("Software\\Kestrelia\\Tremolux", "opmode", win::kRegDword, {2, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 1u);
    d.PutNumber("OPMODE", 0xFFFFFFFE);
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 0xFFFFFFFEu);
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kNoMaxRead), 0u);  // no default: 0
}

TEST(StartupOperationMode, OnlyOneSelectsDragBump) {
    struct Case {
        std::uint32_t stored;
        std::int32_t mode;
    } cases[] = {{1, 1}, {2, 2}, {0, 2}, {3, 2}, {5, 2}, {0xFFFFFFFF, 2}};
    for (const Case& c : cases) {
        Desk d;
        d.PutNumber("opmode", c.stored);
        EXPECT_EQ(StartupOperationMode(d.desktop), c.mode) << c.stored;
    }
    Desk none;
    EXPECT_EQ(StartupOperationMode(none.desktop), 1);
}

TEST(ReadText, ReadsUntrustedTextsWhole) {
    Desk d;
    d.Put("software\\test", "value", win::kRegSz, Bytes("abc"));  // no terminating zero
    EXPECT_EQ(d.Text(), "abc");
    d.Put("software\\test", "value", win::kRegSz, Bytes(std::string("abcd\0", 5)));
    EXPECT_EQ(d.Text(), "abcd");
    d.Put("software\\test", "value", win::kRegSz, Bytes(std::string("ab\0cd", 5)));
    EXPECT_EQ(d.Text(), "ab");
    d.Put("software\\test", "value", win::kRegSz, {});
    EXPECT_EQ(d.Text("x"), "");
    const std::string big(200000, 'q');
    d.Put("software\\test", "value", win::kRegSz, Bytes(big + '\0'));
    EXPECT_EQ(d.Text(), big);
}

TEST(ReadText, GivesTheDefaultForOtherTypesAndMissingValues) {
    Desk d;
    EXPECT_EQ(d.Text("fallback"), "fallback");
    d.Put("software\\test", "value", win::kRegDword, {1, 0, 0, 0});
    EXPECT_EQ(d.Text("fallback"), "fallback");
    d.Put("software\\test", "value", 7, Bytes("a\0b\0\0"));  // REG_MULTI_SZ
    EXPECT_EQ(d.Text(), "");
    d.Put("software\\test", "value", win::kRegSz, Bytes(std::string(2u << 20, 'x')));
    EXPECT_EQ(d.Text("too big"), "too big");
}

TEST(ReadText, ExpandsEnvironmentReferences) {
    Desk d;
    d.Put("software\\test", "value", win::kRegExpandSz, Bytes("%SystemRoot%\\x.exe %UNKNOWN%"));
    EXPECT_EQ(d.Text(), "C:\\Windows\\x.exe %UNKNOWN%");
    // the expansion grows far past the stored text's length
    std::string many;
    for (int i = 0; i < 400; ++i) many += "%TEMP%";
    d.Put("software\\test", "value", win::kRegExpandSz, Bytes(many));
    const std::string expanded = d.Text();
    EXPECT_EQ(expanded.size(), 400u * std::string("C:\\Users\\user\\AppData\\Local\\Temp").size());
    d.Put("software\\test", "value", win::kRegExpandSz, Bytes("%TEMP"));  // unterminated reference
    EXPECT_EQ(d.Text(), "%TEMP");
}

// Another program rewrites the value, longer each time, between the size
// query and the read.
class GrowingValueDesktop : public sim::SimDesktop {
public:
    using SimDesktop::SimDesktop;
    int growths = 0;
    std::int32_t RegQueryValueExA(RegistryKey key, const char* name, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* size) override {
        if (data && growths-- > 0)
            Registry().Put(win::kHkeyLocalMachine, "software\\test", "value", win::kRegSz,
                           std::vector<std::uint8_t>(*size + 10, 'g'));
        return SimDesktop::RegQueryValueExA(key, name, type, data, size);
    }
};

TEST(ReadText, RereadsAValueThatGrowsMeanwhileAndGivesUpWhenItKeepsGrowing) {
    std::int64_t clock = 0;
    sim::Trace trace(nullptr, clock);
    GrowingValueDesktop desktop(trace);
    desktop.Registry().Put(kHklm, "software\\test", "value", win::kRegSz, Bytes("short"));
    desktop.growths = 1;
    EXPECT_EQ(ReadText(desktop, kHklm, "software\\test\\value"), std::string(15, 'g'));
    desktop.growths = 100;
    EXPECT_EQ(ReadText(desktop, kHklm, "software\\test\\value", "default"), "default");
}

TEST(WriteValue, CreatesMissingKeysAndReportsRefusal) {
    Desk d;
    EXPECT_TRUE(WriteValue(d.desktop, kHklm, paths::kNoMaxWrite, 1u));
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kNoMaxRead), 1u);
    EXPECT_TRUE(WriteValue(d.desktop, kHklm, paths::kRunValue, std::string_view("D:\\x.exe")));
    EXPECT_TRUE(StartsWithWindows(d.desktop));
    d.desktop.Fail("RegWrite");
    EXPECT_FALSE(WriteValue(d.desktop, kHklm, paths::kOperationMode, 2u));
    EXPECT_FALSE(WriteValue(d.desktop, kHklm, "software\\new\\key\\v", 2u));
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 1u);
}

TEST(DeleteValueOrKey, TellsDeletedFromAbsentFromRefused) {
    Desk d;
    EXPECT_EQ(DeleteValueOrKey(d.desktop, kHklm, paths::kSettingsKey), DeleteOutcome::Absent);
    EXPECT_EQ(DeleteValueOrKey(d.desktop, kHklm, paths::kRunValue), DeleteOutcome::Absent);
    d.PutNumber("NoMax", 1);
    EXPECT_EQ(DeleteValueOrKey(d.desktop, kHklm, paths::kNoMaxWrite), DeleteOutcome::Deleted);
    // the key with subkeys: the plain key delete is refused
    d.PutNumber("NoMin", 1);
    EXPECT_EQ(DeleteValueOrKey(d.desktop, kHklm, "software\\kestrelia"), DeleteOutcome::Refused);
    EXPECT_EQ(DeleteValueOrKey(d.desktop, kHklm, paths::kSettingsKey), DeleteOutcome::Deleted);
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kNoMinRead), 0u);
    d.PutNumber("NoMin", 1);
    d.desktop.Fail("RegDelete");
    EXPECT_EQ(DeleteValueOrKey(d.desktop, kHklm, paths::kSettingsKey), DeleteOutcome::Refused);
}

TEST(ProgramLocation, CutsAtTheLastBackslash) {
    EXPECT_EQ(ProgramDirectory("D:\\Tools\\x.exe"), "D:\\Tools");
    EXPECT_EQ(ProgramFileName("D:\\Tools\\x.exe"), "x.exe");
    EXPECT_EQ(ProgramDirectory("D:\\x.exe"), "D:");
    EXPECT_EQ(ProgramFileName("D:\\x.exe"), "x.exe");
}

TEST(ProgramLocation, ReadsALongPathWholeAndRefusesAnUnreadableOne) {
    Desk d;
    const std::string longPath = "C:\\" + std::string(3000, 'd') + "\\tremolux.exe";
    d.desktop.SetProgramPath(longPath);
    EXPECT_EQ(ProgramPath(d.desktop), longPath);
    d.desktop.Fail("GetModuleFileNameW");
    EXPECT_EQ(ProgramPath(d.desktop), std::nullopt);
    EXPECT_EQ(RunValueText(d.desktop), std::nullopt);
}

TEST(RunValueText, QuotesAPathWithASpaceOnly) {
    Desk d;
    d.desktop.SetProgramPath("D:\\x.exe");
    EXPECT_EQ(RunValueText(d.desktop), "D:\\x.exe");
    d.desktop.SetProgramPath("C:\\Program Files\\Tremolux\\tremolux.exe");
    EXPECT_EQ(RunValueText(d.desktop), "\"C:\\Program Files\\Tremolux\\tremolux.exe\"");
}

TEST(RunValueText, KeepsCharactersOutsideTheAnsiCodePage) {
    Desk d;
    d.desktop.SetProgramPath("C:\\工具\\tremolux.exe");
    char ansi[64] = {};
    d.desktop.GetModuleFileNameA(ansi, sizeof ansi);
    EXPECT_STREQ(ansi, "C:\\??\\tremolux.exe");  // what the A call would have given
    EXPECT_EQ(RunValueText(d.desktop), "C:\\工具\\tremolux.exe");
}

TEST(StartsWithWindows, AnyNonEmptyTextCountsAsOn) {
    Desk d;
    EXPECT_FALSE(StartsWithWindows(d.desktop));
    d.Put("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Tremolux", win::kRegSz,
          Bytes("C:\\other.exe"));
    EXPECT_TRUE(StartsWithWindows(d.desktop));
    d.Put("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Tremolux", win::kRegSz, {0});
    EXPECT_FALSE(StartsWithWindows(d.desktop));
}

}  // namespace
}  // namespace tremolux
