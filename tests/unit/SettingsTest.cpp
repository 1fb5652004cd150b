#include <gtest/gtest.h>

#include <string>

#include "platform/sim/SimDesktop.h"
#include "settings/Settings.h"

namespace tremolux {
namespace {

constexpr RegistryKey kHklm = win::kHkeyLocalMachine;
constexpr RegistryKey kHkcu = win::kHkeyCurrentUser;

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

struct Desk {
    std::int64_t clock = 0;
    sim::Trace trace{nullptr, clock};
    sim::SimDesktop desktop{trace};

    void Put(std::string_view key, std::string_view name, std::uint32_t type,
             std::vector<std::uint8_t> data, RegistryKey root = kHklm) {
        desktop.Registry().Put(root, key, name, type, std::move(data));
    }
    void PutNumber(std::string_view name, std::uint32_t value, RegistryKey root = kHklm) {
        Put("Software\\Kestrelia\\Tremolux", name, win::kRegDword,
            {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)},
            root);
    }
    // The value at a path of one root alone.
    std::uint32_t NumberAt(RegistryKey root, std::string_view path) {
        const RegistryLocation location = SplitLocation(path);
        RegistryKey key = 0;
        if (desktop.Registry().Open(root, location.key, &key) != win::kErrorSuccess) return 0;
        const sim::SimRegistry::Value* value = nullptr;
        const bool found =
            desktop.Registry().Query(key, location.valueName, &value) == win::kErrorSuccess;
        desktop.Registry().Close(key);
        if (!found || value->data.size() != 4) return 0;
        return value->data[0] | value->data[1] << 8 | value->data[2] << 16 |
               static_cast<std::uint32_t>(value->data[3]) << 24;
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
        EXPECT_EQ(StartupOperationMode(d.desktop, kHklm), c.mode) << c.stored;
    }
    Desk none;
    EXPECT_EQ(StartupOperationMode(none.desktop, kHklm), 1);
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
    std::int32_t RegQueryValueExW(RegistryKey key, const char* name, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* size) override {
        if (data && growths-- > 0)
            Registry().Put(win::kHkeyLocalMachine, "software\\test", "value", win::kRegSz,
                           std::vector<std::uint8_t>(*size + 10, 'g'));
        return SimDesktop::RegQueryValueExW(key, name, type, data, size);
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
    EXPECT_TRUE(StartsWithWindows(d.desktop, kHklm));
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

// A copy installed for the user is known by its folder, whichever spelling
// of it the program was started through: where both folders open, their
// identities decide; where one does not, the paths as text.
TEST(PerUserSettings, TheInstalledFolderIsKnownByItsIdentity) {
    constexpr const char* kInstalled = "C:\\Users\\Ann\\AppData\\Local\\Programs\\Tremolux\\";
    constexpr const char* kZ =
        "Z:\\home\\ann\\.wine\\drive_c\\users\\Ann\\AppData\\Local\\Programs\\Tremolux";
    struct Case {
        const char* program;
        std::int64_t installedIdentity;  // 0: the folder does not open
        std::int64_t programIdentity;
        RegistryKey root;
    } cases[] = {
        {"Z:\\home\\ann\\.wine\\drive_c\\users\\Ann\\AppData\\Local\\Programs\\Tremolux\\t.exe", 7,
         7, kHkcu},
        {"Z:\\home\\ann\\.wine\\drive_c\\users\\Ann\\AppData\\Local\\Programs\\Tremolux\\t.exe", 7,
         8, kHklm},
        {"Z:\\home\\ann\\.wine\\drive_c\\users\\Ann\\AppData\\Local\\Programs\\Tremolux\\t.exe", 0,
         7, kHklm},
        {"c:\\users\\ann\\appdata\\local\\programs\\tremolux\\t.exe", 0, 0, kHkcu},
        {"C:\\Program Files\\Tremolux\\t.exe", 7, 9, kHklm},
    };
    for (const Case& c : cases) {
        Desk d;
        d.desktop.SetProgramPath(c.program);
        d.Put("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tremolux",
              "InstallLocation", win::kRegSz, Bytes(std::string(kInstalled) + '\0'), kHkcu);
        if (c.installedIdentity) d.desktop.AddFolder(kInstalled, c.installedIdentity);
        if (c.programIdentity) d.desktop.AddFolder(kZ, c.programIdentity);
        if (c.programIdentity)
            d.desktop.AddFolder("C:\\Program Files\\Tremolux", c.programIdentity);
        EXPECT_EQ(SettingsRoot(d.desktop), c.root) << c.program << " " << c.installedIdentity;
    }
}

TEST(PerUserSettings, AReadTakesTheUsersValueWhenThereIsOne) {
    Desk d;
    d.PutNumber("opmode", 1);
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 1u);
    d.PutNumber("opmode", 2, kHkcu);
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 2u);
    EXPECT_EQ(StartupOperationMode(d.desktop, kHklm), 2);
    // a per-user value of the wrong type reads as absent: the machine's wins
    d.Put("Software\\Kestrelia\\Tremolux", "opmode", win::kRegSz, Bytes("2"), kHkcu);
    EXPECT_EQ(ReadNumber(d.desktop, kHklm, paths::kOperationMode, 1), 1u);
    // other roots have no per-user twin
    d.Put("software\\test", "value", win::kRegSz, Bytes("user"), kHkcu);
    d.Put("software\\test", "value", win::kRegSz, Bytes("classes"), win::kHkeyClassesRoot);
    EXPECT_EQ(ReadText(d.desktop, win::kHkeyClassesRoot, "software\\test\\value"), "classes");
    EXPECT_EQ(ReadText(d.desktop, kHklm, "software\\test\\value"), "user");
}

TEST(PerUserSettings, AStandardUsersWriteLandsUnderTheUserAndOnlyWhenAccessIsDenied) {
    Desk d;
    d.desktop.SetStandardUser();
    EXPECT_TRUE(WriteValue(d.desktop, kHklm, paths::kNoMaxWrite, 1u));
    EXPECT_EQ(d.NumberAt(kHkcu, paths::kNoMaxRead), 1u);
    EXPECT_EQ(d.NumberAt(kHklm, paths::kNoMaxRead), 0u);
    EXPECT_TRUE(EffectSwitchedOff(d.desktop, kHklm, Effect::Maximize));
    // an administrator's write replaces the per-user value, which would
    // otherwise go on winning
    Desk admin;
    admin.PutNumber("NoMax", 1, kHkcu);
    EXPECT_TRUE(WriteValue(admin.desktop, kHklm, paths::kNoMaxWrite, 0u));
    EXPECT_FALSE(EffectSwitchedOff(admin.desktop, kHklm, Effect::Maximize));
    EXPECT_EQ(admin.NumberAt(kHkcu, paths::kNoMaxRead), 0u);
}

// The registry fails a machine-wide write for another reason than rights.
class BrokenMachineDesktop : public sim::SimDesktop {
public:
    using SimDesktop::SimDesktop;
    std::int32_t RegSetKeyValueA(RegistryKey root, const char* subKey, const char* name,
                                 std::uint32_t type, const std::uint8_t* data,
                                 std::uint32_t size) override {
        constexpr std::int32_t kErrorNoSystemResources = 1450;
        if (root == kHklm) return kErrorNoSystemResources;
        return SimDesktop::RegSetKeyValueA(root, subKey, name, type, data, size);
    }
};

TEST(PerUserSettings, OtherFailuresStaySilentWithNoPerUserCopy) {
    std::int64_t clock = 0;
    sim::Trace trace(nullptr, clock);
    BrokenMachineDesktop desktop(trace);
    EXPECT_FALSE(WriteValue(desktop, kHklm, paths::kOperationMode, 2u));
    EXPECT_EQ(ReadNumber(desktop, kHklm, paths::kOperationMode, 1), 1u);
}

TEST(PerUserSettings, DeletesUnderBothRootsAndCallsRefusedOnlyWhatIsLeft) {
    Desk d;
    d.desktop.SetStandardUser();
    d.PutNumber("NoMin", 1, kHkcu);
    EXPECT_EQ(DeleteValueOrKey(d.desktop, kHklm, paths::kSettingsKey), DeleteOutcome::Deleted);
    // the machine's Run key exists, and a standard user may not open it for
    // writing; with no value of ours in it, nothing is left
    d.Put("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Other", win::kRegSz,
          Bytes("C:\\other.exe"));
    EXPECT_EQ(DeleteValueOrKey(d.desktop, kHklm, paths::kRunValue), DeleteOutcome::Absent);
    d.Put("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Tremolux", win::kRegSz,
          Bytes("C:\\x.exe"));
    EXPECT_EQ(DeleteValueOrKey(d.desktop, kHklm, paths::kRunValue), DeleteOutcome::Refused);
}

TEST(PerUserSettings, StartsWithWindowsWhenEitherRunValueIsNonEmpty) {
    Desk d;
    const char* run = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    d.Put(run, "Tremolux", win::kRegSz, Bytes("C:\\x.exe"), kHkcu);
    EXPECT_TRUE(StartsWithWindows(d.desktop, kHklm));
    // an empty per-user value does not hide the machine's
    d.Put(run, "Tremolux", win::kRegSz, {0}, kHkcu);
    d.Put(run, "Tremolux", win::kRegSz, Bytes("C:\\x.exe"));
    EXPECT_TRUE(StartsWithWindows(d.desktop, kHklm));
    d.Put(run, "Tremolux", win::kRegSz, {0});
    EXPECT_FALSE(StartsWithWindows(d.desktop, kHklm));
}

TEST(ProgramLocation, CutsAtTheLastBackslash) {
    EXPECT_EQ(ProgramDirectory("D:\\Tools\\x.exe"), "D:\\Tools");
    EXPECT_EQ(ProgramFileName("D:\\Tools\\x.exe"), "x.exe");
    EXPECT_EQ(ProgramDirectory("D:\\x.exe"), "D:");
    EXPECT_EQ(ProgramFileName("D:\\x.exe"), "x.exe");
}

TEST(ProgramLocation, ReadsEveryPathUpToTheLongestWindowsHandsOut) {
    // the buffer doubles from 260 and must reach its bound: paths of 66,560
    // bytes and more were refused when it stopped at 66,560
    for (std::size_t length : {259u, 260u, 66559u, 66560u, 98301u}) {
        Desk d;
        const std::string path = "C:\\" + std::string(length - 3, 'p');
        d.desktop.SetProgramPath(path);
        EXPECT_EQ(ProgramPath(d.desktop), path) << length;
    }
    Desk d;
    d.desktop.SetProgramPath("C:\\" + std::string(98302 - 3, 'p'));
    EXPECT_EQ(ProgramPath(d.desktop), std::nullopt);
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
    EXPECT_EQ(RunValueText(d.desktop), "C:\\工具\\tremolux.exe");
}

TEST(StartsWithWindows, AnyNonEmptyTextCountsAsOn) {
    Desk d;
    EXPECT_FALSE(StartsWithWindows(d.desktop, kHklm));
    d.Put("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Tremolux", win::kRegSz,
          Bytes("C:\\other.exe"));
    EXPECT_TRUE(StartsWithWindows(d.desktop, kHklm));
    d.Put("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Tremolux", win::kRegSz, {0});
    EXPECT_FALSE(StartsWithWindows(d.desktop, kHklm));
}

}  // namespace
}  // namespace tremolux
