#include "shell/Texts.h"

#include <iterator>

#include "shell/HelpText.h"

namespace tremolux {

namespace {

// Every text there, to see that none is missing.
constexpr bool Complete(const Texts& texts) {
    for (Text text : kAllTexts)
        if (!(texts.*text) || !*(texts.*text)) return false;
    return true;
}

constexpr std::uint16_t kLangChinese = 0x04;  // LANG_CHINESE, the LANGID's low 10 bits

}  // namespace

constexpr Texts kChineseTexts{
    .restoreItem = "恢复上个窗口",
    .modeMenu = "选择操作模式",
    .dragBumpItem = "拖碰操作模式-默认",
    .slideItem = "滑动操作模式",
    .effectsMenu = "选择禁用特效",
    .noMaxItem = "不要由本软件触发单个窗口最大化",
    .noMinItem = "不要由本软件触发单个窗口最小化",
    .startWithWindowsItem = "随Windows启动",
    .helpItem = "查看软件介绍",
    .cleanUpItem = "删除软件注册信息-卸载用",
    .exitItem = "退出",
    .alreadyRunning = "不能重复运行本程序!",
    .informationCaption = "信息：",
    .cleanUpQuestion =
        "本功能是帮助您在卸载软件前清除\r\n任何本软件留下的注册表信息。\r\n"
        "这将删除您的所有个性设定。\r\n\r\n您确认要执行这项功能嘛？",
    .cleanUpCaption = "请确认您的操作！",
    .cleanUpDone =
        "注册表清理完毕，您可以放心删除本软件了。\r\n"
        "给您造成不便，请多提意见，感谢您的使用！",
    .cleanUpRefused =
        "注册表信息未能全部清除，您可能没有管理员权限。\r\n"
        "请以管理员身份运行本软件，再执行这项功能。",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta 帮助文档",
    .helpText = kHelpText,
    .mailLine = "   Email：",
    .homePageLine = "官方主页：",
    .mailLink = "给我发伊妹儿吧",
    .homePageLink = "去看看官方网站",
    .messageFont = false,
};

constexpr Texts kEnglishTexts{
    .restoreItem = "&Restore Last Window",
    .modeMenu = "&Mode",
    .dragBumpItem = "&Drag and Bump (Default)",
    .slideItem = "&Slide",
    .effectsMenu = "&Effects",
    .noMaxItem = "Never &Stretch a Window",
    .noMinItem = "Never &Minimize a Window",
    .startWithWindowsItem = "Start with &Windows",
    .helpItem = "&About Tremolux",
    .cleanUpItem = "Remove Se&ttings (Before Uninstalling)",
    .exitItem = "E&xit",
    .alreadyRunning = "Tremolux is already running.",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "This removes everything Tremolux has stored in the registry,\r\n"
        "so that nothing is left behind when you uninstall it.\r\n"
        "All your settings will be lost.\r\n\r\n"
        "Do you want to remove them?",
    .cleanUpCaption = "Remove Tremolux Settings",
    .cleanUpDone =
        "The settings have been removed. You can now uninstall Tremolux.\r\n"
        "Thank you for using it; your suggestions are welcome.",
    .cleanUpRefused =
        "Some settings could not be removed: you may not have administrator "
        "rights.\r\nRun Tremolux as an administrator and try again.",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta Help",
    .helpText = kHelpTextEnglish,
    .mailLine = "   E-mail:",
    .homePageLine = "Website:",
    .mailLink = "Send an e-mail",
    .homePageLink = "Visit website",
    .messageFont = true,
};

static_assert(Complete(kChineseTexts) && Complete(kEnglishTexts), "a language lacks a text");

std::int32_t LanguageFor(std::uint16_t uiLanguage) {
    return (uiLanguage & 0x3FF) == kLangChinese ? 0 : 1;
}

const Texts& TextsOf(const ProgramState& state) {
    const auto language = static_cast<std::size_t>(state.Language);
    return *kLanguages[language < std::size(kLanguages) ? language : 0];
}

}  // namespace tremolux
