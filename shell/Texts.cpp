#include "shell/Texts.h"

#include <algorithm>
#include <iterator>

#include "shell/HelpText.h"

namespace tremolux {

namespace {

constexpr std::uint16_t kLangChinese = 0x04;  // LANG_CHINESE, the LANGID's low 10 bits

// The languages chosen by their primary language (LANG_JAPANESE...) alone.
struct PrimaryLanguage {
    std::uint16_t primary;
    const Texts* texts;
};
constexpr PrimaryLanguage kByPrimaryLanguage[] = {
    {.primary = 0x11, .texts = &kJapaneseTexts}, {.primary = 0x12, .texts = &kKoreanTexts},
    {.primary = 0x07, .texts = &kGermanTexts},   {.primary = 0x0C, .texts = &kFrenchTexts},
    {.primary = 0x0A, .texts = &kSpanishTexts},  {.primary = 0x16, .texts = &kPortugueseTexts},
    {.primary = 0x19, .texts = &kRussianTexts},  {.primary = 0x10, .texts = &kItalianTexts},
    {.primary = 0x15, .texts = &kPolishTexts},   {.primary = 0x1F, .texts = &kTurkishTexts},
};

constexpr std::int32_t IndexOf(const Texts* texts) {
    return static_cast<std::int32_t>(
        std::find(std::begin(kLanguages), std::end(kLanguages), texts) - std::begin(kLanguages));
}

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

// Taiwan's words, with the access keys Windows programs there give their
// menu items; the introduction in the message font, whose face holds the
// Traditional characters (SimSun holds the Simplified ones only).
constexpr Texts kTraditionalTexts{
    .restoreItem = "還原上一個視窗(&R)",
    .modeMenu = "操作模式(&M)",
    .dragBumpItem = "拖曳碰撞模式 - 預設(&D)",
    .slideItem = "滑動模式(&S)",
    .effectsMenu = "停用特效(&E)",
    .noMaxItem = "不要由本軟體將視窗最大化(&X)",
    .noMinItem = "不要由本軟體將視窗最小化(&N)",
    .startWithWindowsItem = "隨 Windows 啟動(&W)",
    .helpItem = "軟體說明(&A)",
    .cleanUpItem = "刪除軟體的登錄資訊 - 解除安裝前使用(&T)",
    .exitItem = "結束(&X)",
    .alreadyRunning = "本程式已在執行中，無法再次執行！",
    .informationCaption = "訊息",
    .cleanUpQuestion =
        "此功能可在解除安裝本軟體之前，\r\n清除本軟體在登錄檔中留下的所有資訊。\r\n"
        "您的所有個人設定都將刪除。\r\n\r\n確定要執行此功能嗎？",
    .cleanUpCaption = "請確認您的操作",
    .cleanUpDone =
        "登錄檔已清除完畢，現在可以放心刪除本軟體。\r\n"
        "造成不便，敬請見諒；歡迎提供意見，感謝您的使用！",
    .cleanUpRefused =
        "無法清除所有的登錄資訊，您可能沒有系統管理員權限。\r\n"
        "請以系統管理員身分執行本軟體，再執行此功能。",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta 說明",
    .helpText = kHelpTextTraditional,
    .mailLine = "   E-mail：",
    .homePageLine = "官方網站：",
    .mailLink = "寫信給我們",
    .homePageLink = "前往官方網站",
    .messageFont = true,
};

static_assert(Complete(kChineseTexts) && Complete(kEnglishTexts) && Complete(kTraditionalTexts),
              "a language lacks a text");

// Windows never falls back from Traditional to Simplified resources: Taiwan,
// Hong Kong, Macao and zh-Hant read Traditional characters; the PRC,
// Singapore and zh-Hans the specification's.
std::int32_t LanguageFor(std::uint16_t uiLanguage) {
    constexpr std::uint16_t kTraditional[] = {0x0404, 0x0C04, 0x1404, 0x7C04};
    const std::uint16_t primary = uiLanguage & 0x3FF;
    for (const PrimaryLanguage& language : kByPrimaryLanguage)
        if (primary == language.primary) return IndexOf(language.texts);
    if (primary != kLangChinese) return IndexOf(&kEnglishTexts);
    for (std::uint16_t traditional : kTraditional)
        if (uiLanguage == traditional) return IndexOf(&kTraditionalTexts);
    return IndexOf(&kChineseTexts);
}

const Texts& TextsOf(const ProgramState& state) {
    const auto language = static_cast<std::size_t>(state.Language);
    return *kLanguages[language < std::size(kLanguages) ? language : 0];
}

}  // namespace tremolux
