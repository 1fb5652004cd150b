#include <gtest/gtest.h>

#include "platform/sim/SimDesktop.h"
#include "shell/HelpText.h"
#include "shell/Links.h"

namespace tremolux {
namespace {

TEST(FallbackCommandLine, CutsAtThePlaceholderAndQuotesWhereItWasQuoted) {
    EXPECT_EQ(
        FallbackCommandLine("\"C:\\Program Files\\Web\\web.exe\" -nohome \"%1\"", "http://x/a b&c"),
        "\"C:\\Program Files\\Web\\web.exe\" -nohome  \"http://x/a b&c\"");
    EXPECT_EQ(FallbackCommandLine("web.exe -url %1 -new", "x"), "web.exe -url  x");
    EXPECT_EQ(FallbackCommandLine("web.exe", "x"), "web.exe x");
    // a quoted placeholder wins over a bare one that comes first
    EXPECT_EQ(FallbackCommandLine("web.exe %1 \"%1\"", "x"), "web.exe %1  \"x\"");
}

struct Desk {
    std::int64_t clock = 0;
    sim::Trace trace{nullptr, clock};
    sim::SimDesktop desktop{trace};
    void RegisterHtmlHandler() {
        auto& registry = desktop.Registry();
        const std::string cls = "htmlfile";
        registry.Put(win::kHkeyClassesRoot, ".htm", "", win::kRegSz,
                     std::vector<std::uint8_t>(cls.c_str(), cls.c_str() + cls.size() + 1));
        const std::string command = "\"C:\\Web\\web.exe\" \"%1\"";
        registry.Put(
            win::kHkeyClassesRoot, "htmlfile\\shell\\open\\command", "", win::kRegSz,
            std::vector<std::uint8_t>(command.c_str(), command.c_str() + command.size() + 1));
    }
};

TEST(OpenLink, UsesTheShellsOpenFirst) {
    Desk d;
    EXPECT_TRUE(OpenLink(d.desktop, kHomePage));
    EXPECT_NE(d.trace.Find(std::string("ShellExecuteA \"open\" \"") + kHomePage + "\" 5 -> 42"),
              nullptr);
    EXPECT_EQ(d.trace.Lines(), 1u);
}

TEST(OpenLink, FallsBackToTheProgramRegisteredForHtm) {
    Desk d;
    d.RegisterHtmlHandler();
    d.desktop.Fail("ShellExecuteA");
    EXPECT_TRUE(OpenLink(d.desktop, kMailTo));
    EXPECT_NE(d.trace.Find(std::string("WinExec \"\\\"C:\\Web\\web.exe\\\"  \\\"") + kMailTo +
                           "\\\"\" 5 -> 33"),
              nullptr);
}

TEST(OpenLink, FailsWhenNeitherRoadWorks) {
    Desk none;
    none.desktop.Fail("ShellExecuteA");
    EXPECT_FALSE(OpenLink(none.desktop, kHomePage));  // nothing registered for .htm
    Desk refused;
    refused.RegisterHtmlHandler();
    refused.desktop.Fail("ShellExecuteA");
    refused.desktop.Fail("WinExec");
    EXPECT_FALSE(OpenLink(refused.desktop, kHomePage));
}

TEST(HelpText, HasThirtyNineLinesAndEndsWithoutABreak) {
    const std::string text = kHelpText;
    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 39u);
    EXPECT_EQ(text.substr(text.size() - std::string("官方主页：").size()), "官方主页：");
    EXPECT_NE(text.find("\r\n    作者：Tremolux 项目组\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n   Email：\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tremolux
