#include "shell/Links.h"

#include "settings/Settings.h"

namespace tremolux {

// Where the registered command quoted the placeholder, the target is quoted
// too: an address with a space or an ampersand stays one argument.
std::string FallbackCommandLine(std::string_view registered, std::string_view target) {
    std::size_t cut = registered.find("\"%1\"");
    const bool quoted = cut != std::string_view::npos;
    if (!quoted) cut = registered.find("%1");
    std::string line(registered.substr(0, cut));
    line += ' ';
    if (quoted) line += '"';
    line += target;
    if (quoted) line += '"';
    return line;
}

bool OpenLink(DesktopPort& port, const char* target) {
    if (port.ShellExecuteA("open", target, win::kSwShow) > 32) return true;
    const std::string htmlClass = ReadText(port, win::kHkeyClassesRoot, ".htm\\");
    if (htmlClass.empty()) return false;
    const std::string command =
        ReadText(port, win::kHkeyClassesRoot, htmlClass + "\\shell\\open\\command\\");
    if (command.empty()) return false;
    return port.WinExec(FallbackCommandLine(command, target).c_str(), win::kSwShow) > 31;
}

}  // namespace tremolux
