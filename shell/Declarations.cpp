#include "shell/Declarations.h"

#include "engine/Engine.h"
#include "settings/Settings.h"
#include "shell/Commands.h"
#include "shell/HelpText.h"

namespace tremolux {

namespace {

constexpr TimerDeclaration kMainTimers[] = {
    {"热键时钟", 1, 100, HotkeyTick},
    {"主时钟", 2, 200, MainTick},
};

constexpr TimerDeclaration kStripTimers[] = {
    {"最小化时钟", 1, 500, StripTimerTick},
};

constexpr UnitDeclaration kStripUnits[] = {
    {"图形按钮", UnitKind::PictureButton, {0, 0, 80, 104}, nullptr, nullptr, StripClick},
};

// In creation order; the link boxes lie over the label and are drawn above it.
constexpr UnitDeclaration kHelpUnits[] = {
    {"超级链接框2", UnitKind::LinkBox, {68, 583, 98, 20}, "去看看官方网站", kHomePage, nullptr},
    {"超级链接框1", UnitKind::LinkBox, {68, 559, 98, 20}, "给我发伊妹儿吧", kMailTo, nullptr},
    {"标签1", UnitKind::Label, {2, 1, 542, 631}, nullptr, nullptr, nullptr},
};

constexpr WindowDeclaration kWindows[] = {
    {ProgramWindow::Main,
     "",
     380,
     250,
     Border::None,
     true,
     true,
     true,
     false,
     false,
     kMainTimers,
     {},
     StartUp,
     nullptr,
     nullptr,
     ShowTrayMenu},
    {ProgramWindow::Strip, "", 216, 227, Border::None, false, false, false, true, true,
     kStripTimers, kStripUnits, nullptr, PlaceStrip, StripDeactivated, nullptr},
    {ProgramWindow::Help,
     "Tremolux v2.7.2.26 beta 帮助文档",
     552,
     667,
     Border::FixedSingle,
     true,
     true,
     true,
     false,
     false,
     {},
     kHelpUnits,
     nullptr,
     nullptr,
     nullptr,
     nullptr},
};

constexpr MenuItemDeclaration kTrayMenu[] = {
    {command::kRestore, 0, "恢复上个窗口", "Shift+F1", false, false, RestoreLastWindow},
    {0, 0, nullptr, nullptr, false, false, nullptr},
    {0, 0, "选择操作模式", nullptr, true, false, nullptr},
    {command::kDragBumpMode, 1, "拖碰操作模式-默认", nullptr, false, true, ChooseDragBumpMode},
    {command::kSlideMode, 1, "滑动操作模式", nullptr, false, false, ChooseSlideMode},
    {0, 0, nullptr, nullptr, false, false, nullptr},
    {0, 0, "选择禁用特效", nullptr, true, false, nullptr},
    {command::kNoMax, 1, "不要由本软件触发单个窗口最大化", nullptr, false, false, ToggleNoMax},
    {command::kNoMin, 1, "不要由本软件触发单个窗口最小化", nullptr, false, false, ToggleNoMin},
    {0, 0, nullptr, nullptr, false, false, nullptr},
    {command::kStartWithWindows, 0, "随Windows启动", nullptr, false, false, ToggleStartWithWindows},
    {0, 0, nullptr, nullptr, false, false, nullptr},
    {command::kHelp, 0, "查看软件介绍", nullptr, false, false, OpenHelpWindow},
    {0, 0, nullptr, nullptr, false, false, nullptr},
    {command::kCleanUp, 0, "删除软件注册信息-卸载用", nullptr, false, false, CleanUpSettings},
    {command::kExit, 0, "退出", nullptr, false, false, ExitProgram},
};

}  // namespace

const WindowDeclaration& DeclarationOf(ProgramWindow window) {
    for (const WindowDeclaration& declaration : kWindows)
        if (declaration.id == window) return declaration;
    return kWindows[0];
}

std::span<const MenuItemDeclaration> TrayMenu() { return kTrayMenu; }

const MenuItemDeclaration* MenuItemById(std::uint32_t commandId) {
    for (const MenuItemDeclaration& item : kTrayMenu)
        if (commandId != 0 && item.commandId == commandId) return &item;
    return nullptr;
}

const MenuItemDeclaration* MenuItemByCaption(std::string_view caption) {
    for (const MenuItemDeclaration& item : kTrayMenu)
        if (item.caption && item.commandId != 0 && caption == item.caption) return &item;
    return nullptr;
}

std::int32_t TrayActionCode(std::uint32_t mouseMessage) {
    constexpr std::uint32_t kWmLButtonUp = 0x0202;
    constexpr std::uint32_t kWmLButtonDblClk = 0x0203;
    constexpr std::uint32_t kWmRButtonUp = 0x0205;
    constexpr std::uint32_t kWmContextMenu = 0x007B;
    switch (mouseMessage) {
        case kWmLButtonUp: return 1;
        case kWmLButtonDblClk: return 2;
        case kWmRButtonUp:
        case kWmContextMenu: return 3;
        default: return 0;
    }
}

}  // namespace tremolux
