// The Win32 binding's decisions, made without Windows.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/Geometry.h"
#include "platform/sim/SimDesktop.h"
#include "platform/win32/Colours.h"
#include "platform/win32/DpiLayout.h"
#include "platform/win32/FrameGeometry.h"
#include "platform/win32/Input.h"
#include "platform/win32/Messages.h"
#include "platform/win32/OtherWindows.h"
#include "platform/win32/TextChecks.h"

namespace tremolux::win32 {
namespace {

TEST(PhysicalKey, ThePrimaryButtonIsTheRightOneWhenTheButtonsAreSwapped) {
    EXPECT_EQ(PhysicalKey(win::kVkLButton, false), win::kVkLButton);
    EXPECT_EQ(PhysicalKey(win::kVkLButton, true), win::kVkRButton);
    EXPECT_EQ(PhysicalKey(win::kVkRButton, true), win::kVkLButton);
    // keys are keys, swapped buttons or not
    EXPECT_EQ(PhysicalKey(0x70, true), 0x70);
    EXPECT_EQ(PhysicalKey(0x10, true), 0x10);
}

TEST(ShiftState, DownFromShiftPressedFromAnyOfTheThree) {
    const auto state = [](int shift, int left, int right) {
        return static_cast<std::uint16_t>(ShiftState(static_cast<std::int16_t>(shift),
                                                     static_cast<std::int16_t>(left),
                                                     static_cast<std::int16_t>(right)));
    };
    // Windows: VK_SHIFT carries both bits, the side keys agree
    EXPECT_EQ(state(0x8001, 0x8001, 0x0000), 0x8001);
    // Wine: the press bit only on the side key
    EXPECT_EQ(state(0x8000, 0x8001, 0x0000), 0x8001);
    EXPECT_EQ(state(0x8000, 0x0000, 0x8001), 0x8001);
    // held and already reported: no press
    EXPECT_EQ(state(0x8000, 0x8000, 0x0000), 0x8000);
    // pressed and released before the query: the press bit alone, not down
    EXPECT_EQ(state(0x0000, 0x0001, 0x0000), 0x0001);
    // a side key down does not make Shift down where VK_SHIFT says it is up
    EXPECT_EQ(state(0x0000, 0x8000, 0x0000), 0x0000);
}

TEST(SpareHungWindow, SparesOnlyAnotherThreadsWindowThatDoesNotRespond) {
    std::vector<WindowHandle> asked;
    const auto hung = [&](WindowHandle window) {
        asked.push_back(window);
        return window == 7;
    };
    EXPECT_TRUE(SpareHungWindow(7, false, hung));
    EXPECT_FALSE(SpareHungWindow(8, false, hung));
    // the program's own windows and the null handle are never asked about
    EXPECT_FALSE(SpareHungWindow(7, true, hung));
    EXPECT_FALSE(SpareHungWindow(kNoWindow, false, hung));
    EXPECT_EQ(asked, (std::vector<WindowHandle>{7, 8}));
}

TEST(ValidUtf16, RefusesALoneSurrogate) {
    EXPECT_TRUE(ValidUtf16(std::u16string_view(u"")));
    EXPECT_TRUE(ValidUtf16(std::u16string_view(u"C:\\工具\\x.exe")));
    EXPECT_TRUE(ValidUtf16(std::u16string_view(u"\U0001F600")));  // a pair
    const char16_t lowFirst[] = {u'a', 0xDC00, u'b'};
    const char16_t highAlone[] = {u'a', 0xD800, u'b'};
    const char16_t highAtEnd[] = {u'a', 0xD800};
    const char16_t twoHighs[] = {0xD800, 0xD801, 0xDC00};
    EXPECT_FALSE(ValidUtf16(std::u16string_view(lowFirst, 3)));
    EXPECT_FALSE(ValidUtf16(std::u16string_view(highAlone, 3)));
    EXPECT_FALSE(ValidUtf16(std::u16string_view(highAtEnd, 2)));
    EXPECT_FALSE(ValidUtf16(std::u16string_view(twoHighs, 3)));
}

TEST(WithinWorkArea, KeepsAWindowThatFitsAndBringsInOneThatDoesNot) {
    const Rect area{0, 0, 1024, 738};
    const auto same = [](const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    // the help window centred on a 1024 x 768 screen fits
    EXPECT_TRUE(same(WithinWorkArea({236, 50, 788, 717}, area), {236, 50, 788, 717}));
    // on an 800 x 600 screen with a 30-pixel taskbar: the caption stays on
    // screen, the window as tall as the work area
    EXPECT_TRUE(same(WithinWorkArea({124, -33, 676, 634}, {0, 0, 800, 570}), {124, 0, 676, 570}));
    // a work area below a taskbar at the top
    EXPECT_TRUE(same(WithinWorkArea({0, 0, 100, 100}, {0, 30, 1024, 768}), {0, 30, 100, 130}));
    // extreme rectangles neither overflow nor come out inside out
    const Rect wide = WithinWorkArea({-2147483647 - 1, 0, 2147483647, 10}, area);
    EXPECT_TRUE(same(wide, {0, 0, 1024, 10}));
    const Rect empty = WithinWorkArea({10, 10, 20, 20}, {5, 5, 5, 5});
    EXPECT_TRUE(same(empty, {5, 5, 5, 5}));
}

bool Same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(FrameMargins, TheInvisibleBordersAndNothingWhereTheFrameIsUnknown) {
    const auto margins = [](const Rect& window, std::optional<Rect> frame) {
        const Margins m = FrameMargins(window, frame);
        return std::vector<int>{m.left, m.top, m.right, m.bottom};
    };
    // Windows 10 at 100 % and at 150 %: no border at the top
    EXPECT_EQ(margins({93, 50, 907, 657}, Rect{100, 50, 900, 650}), (std::vector{7, 0, 7, 7}));
    EXPECT_EQ(margins({89, 50, 911, 661}, Rect{100, 50, 900, 650}), (std::vector{11, 0, 11, 11}));
    // a window without such borders, the call failed, a frame bigger than
    // the window (on no side does the frame count as inside) or empty
    EXPECT_EQ(margins({100, 50, 900, 650}, Rect{100, 50, 900, 650}), (std::vector{0, 0, 0, 0}));
    EXPECT_EQ(margins({93, 50, 907, 657}, std::nullopt), (std::vector{0, 0, 0, 0}));
    EXPECT_EQ(margins({100, 50, 900, 650}, Rect{90, 40, 910, 660}), (std::vector{0, 0, 0, 0}));
    EXPECT_EQ(margins({100, 50, 900, 650}, Rect{95, 52, 890, 660}), (std::vector{0, 2, 10, 0}));
    EXPECT_EQ(margins({93, 50, 907, 657}, Rect{0, 0, 0, 0}), (std::vector{0, 0, 0, 0}));

    // the left half's frame lands on columns 0 to 511, the rectangle set
    // reaching into the invisible borders
    const Placement set = GrownByMargins({0, 0, 512, 738}, {7, 0, 7, 7});
    EXPECT_EQ((std::vector{set.x, set.y, set.cx, set.cy}), (std::vector{-7, 0, 526, 745}));
    const Placement extreme = GrownByMargins({INT32_MIN, 0, INT32_MAX, 1}, {7, 0, 7, 7});
    EXPECT_EQ((std::vector{extreme.x, extreme.cx}), (std::vector{INT32_MIN, INT32_MAX}));
}

// A restored rectangle kept as workspace coordinates, with the taskbar at
// the top (30 high) or the left (60 wide) of a second monitor: to the
// screen and back, and a tool window's as it is.
TEST(FrameMargins, WorkspaceCoordinatesStartAtTheWorkArea) {
    const Rect monitor{1024, 0, 2048, 768};
    const Rect top{1024, 30, 2048, 768};
    const Rect left{1084, 0, 2048, 768};
    const Rect placed{100, 50, 900, 650};
    EXPECT_TRUE(Same(ScreenFromWorkspace(placed, monitor, top, false), {100, 80, 900, 680}));
    EXPECT_TRUE(Same(ScreenFromWorkspace(placed, monitor, left, false), {160, 50, 960, 650}));
    EXPECT_TRUE(Same(ScreenFromWorkspace(placed, monitor, left, true), placed));
    EXPECT_TRUE(Same(WorkspaceFromScreen({160, 50, 960, 650}, monitor, left, false), placed));
    EXPECT_TRUE(Same(WorkspaceFromScreen({INT32_MIN, 0, 0, 1}, monitor, left, false),
                     {INT32_MIN, 0, -60, 1}));
}

TEST(SmallIconSize, TheShellsSizeAtEachScaling) {
    EXPECT_EQ(SmallIconSize(96), 16);
    EXPECT_EQ(SmallIconSize(120), 20);
    EXPECT_EQ(SmallIconSize(144), 24);
    EXPECT_EQ(SmallIconSize(192), 32);
    EXPECT_EQ(SmallIconSize(240), 40);
    EXPECT_EQ(SmallIconSize(288), 48);
    // the bitmaps every Windows reads where XP has them, the PNG images for
    // the other sizes
    for (const int dpi : {96, 120, 192}) EXPECT_FALSE(FromLargeIcon(SmallIconSize(dpi)));
    for (const int dpi : {144, 240, 288}) EXPECT_TRUE(FromLargeIcon(SmallIconSize(dpi)));
    EXPECT_FALSE(FromLargeIcon(12));   // scaled down from the smallest bitmap
    EXPECT_TRUE(FromLargeIcon(28));    // from 40
    EXPECT_EQ(ForDpi(-12, 120), -15);  // half away from zero, as MulDiv
    EXPECT_EQ(ForDpi(1, 144), 2);
}

// The help text as SimSun lays it out at 96 DPI (measured): 600 pixels,
// the Email line ending at 576 and the home-page line at 600.
TextLayout SimSunAt(int dpi, const WindowDeclaration& help) {
    TextLayout text{ForDpi(600, dpi), std::vector<std::int32_t>(help.units.size(), 0)};
    for (std::size_t i = 0; i < help.units.size(); ++i) {
        if (!help.units[i].onLine) continue;
        const char* line = kChineseTexts.*help.units[i].onLine;
        text.lineBottoms[i] = ForDpi(line[0] == ' ' ? 576 : 600, dpi);
    }
    return text;
}

TEST(LayOutWindow, TheHelpWindowAtEachDpi) {
    const WindowDeclaration& help = DeclarationOf(ProgramWindow::Help);
    ASSERT_EQ(help.units.size(), 3u);  // the home-page box, the Email box, the label
    // at 96 DPI, with SimSun and a frame like Windows 10's, the declarations
    // stand
    const WindowLayout base = LayOutWindow(help, 96, {6, 29}, nullptr);
    const TextLayout simSun = SimSunAt(96, help);
    const WindowLayout measured = LayOutWindow(help, 96, {6, 29}, &simSun);
    for (const WindowLayout& layout : {base, measured}) {
        EXPECT_EQ(layout.width, 552);
        EXPECT_EQ(layout.height, 667);
        EXPECT_TRUE(Same(layout.units[0], {68, 583, 98, 20}));
        EXPECT_TRUE(Same(layout.units[1], {68, 559, 98, 20}));
        EXPECT_TRUE(Same(layout.units[2], {2, 1, 542, 631}));
        EXPECT_EQ(layout.labelFont, -12);
    }
    // every size and position by dpi/96, the frame of that DPI added
    for (const int dpi : {120, 144, 192, 288}) {
        SCOPED_TRACE(dpi);
        const FrameSize frame{ForDpi(6, dpi), ForDpi(29, dpi)};
        const TextLayout text = SimSunAt(dpi, help);
        const WindowLayout layout = LayOutWindow(help, dpi, frame, &text);
        EXPECT_EQ(layout.labelFont, ForDpi(-12, dpi));
        EXPECT_TRUE(Same(layout.units[2],
                         {ForDpi(2, dpi), ForDpi(1, dpi), ForDpi(542, dpi), ForDpi(631, dpi)}));
        // the client area holds the whole label, margins as on its left and top
        EXPECT_GE(layout.width - frame.width, ForDpi(2, dpi) * 2 + ForDpi(542, dpi));
        EXPECT_GE(layout.height - frame.height, ForDpi(1, dpi) * 2 + ForDpi(631, dpi));
        EXPECT_GE(layout.width, ForDpi(552, dpi));
        // each box on its line: the line's bottom just inside the box's
        for (const int i : {0, 1}) {
            const Rect& box = layout.units[i];
            const int lineBottom = ForDpi(1, dpi) + kLabelBorder + text.lineBottoms[i];
            EXPECT_EQ(box.left, ForDpi(68, dpi));
            EXPECT_EQ(box.right, ForDpi(98, dpi));
            EXPECT_EQ(box.bottom, ForDpi(20, dpi));
            EXPECT_EQ(box.top + box.bottom, lineBottom + ForDpi(1, dpi));
        }
    }
    // a face that lays the text out taller: the label and the window grow to
    // hold it, and the boxes follow their lines
    TextLayout tall{760, {730, 706, 0}};
    const WindowLayout grown = LayOutWindow(help, 96, {6, 29}, &tall);
    EXPECT_TRUE(Same(grown.units[2], {2, 1, 542, 762}));
    EXPECT_EQ(grown.height, 1 + 762 + 1 + 29);
    EXPECT_EQ(grown.width, 552);
    EXPECT_EQ(grown.units[0].top, 1 + 1 + 730 + 1 - 20);
    EXPECT_EQ(grown.units[1].top, 1 + 1 + 706 + 1 - 20);
    // a line not found keeps its box where it was declared
    TextLayout lost{600, {0, 576, 0}};
    EXPECT_EQ(LayOutWindow(help, 96, {6, 29}, &lost).units[0].top, 583);
}

// A text too tall for the work area (a longer language, a larger font, a
// small screen) widens the label, and the window with it, as far as the
// screen allows; a text that fits keeps the declared width.
TEST(LayOutWindow, ATextTooTallForTheWorkAreaWidensTheLabel) {
    const WindowDeclaration& help = DeclarationOf(ProgramWindow::Help);
    const TextLayout tall{760, {730, 706, 0}, 540, 13};
    const WindowLayout declared = LayOutWindow(help, 96, {6, 29}, &tall);
    ASSERT_EQ(declared.height, 793);
    EXPECT_EQ(LabelWidthToFit(declared, tall, 1366, 793), 540);
    // 65 pixels over a 1366 by 728 work area: the text laid out 65 and a
    // line shorter, at 540 * 760 / 682 pixels
    const std::int32_t wider = LabelWidthToFit(declared, tall, 1366, 728);
    EXPECT_EQ(wider, 602);
    const TextLayout shorter{600, {570, 546, 0}, wider, 13};
    const WindowLayout widened = LayOutWindow(help, 96, {6, 29}, &shorter);
    EXPECT_TRUE(Same(widened.units[2], {2, 1, 604, 631}));
    EXPECT_EQ(widened.width, 2 + 604 + 2 + 6);
    EXPECT_EQ(widened.units[0].left, 68);
    // no wider than the screen, and not at all where it has no room
    EXPECT_EQ(LabelWidthToFit(declared, tall, 560, 728), 548);
    EXPECT_EQ(LabelWidthToFit(declared, tall, 552, 728), 540);
    EXPECT_EQ(LabelWidthToFit(declared, tall, 1366, 100), 540 + 1366 - 552);
}

TEST(HelpColoursFor, HighContrastTakesTheUsersColoursAndDropsTheGradient) {
    const HelpColours own = HelpColoursFor(false);
    EXPECT_TRUE(own.gradient);
    EXPECT_FALSE(own.labelText.system);
    EXPECT_EQ(own.labelText.value, 0x800000u);  // navy
    EXPECT_EQ(own.linkText.value, 0xFF0000u);   // blue
    EXPECT_EQ(own.visitedText.value, 0x000080u);
    const HelpColours high = HelpColoursFor(true);
    EXPECT_FALSE(high.gradient);
    for (const Colour& c : {high.labelBackground, high.labelText, high.linkBackground,
                            high.linkText, high.hoverBackground, high.hoverText, high.visitedText})
        EXPECT_TRUE(c.system);
    EXPECT_EQ(high.labelText.value, win::kColorWindowText);
    EXPECT_EQ(high.labelBackground.value, win::kColorWindow);
    EXPECT_EQ(high.linkText.value, win::kColorHotLight);
}

TEST(NotificationState, BusyForAFullScreenProgramByEitherTest) {
    const Rect screen{0, 0, 1024, 768};
    const ForegroundFacts none{};
    const ForegroundFacts game{true, false, false, {0, 0, 1024, 768}};
    // the shell's answer where it says so
    EXPECT_EQ(NotificationState(2, none, screen), 2);
    EXPECT_EQ(NotificationState(3, none, screen), 3);
    EXPECT_EQ(NotificationState(4, none, screen), 4);
    EXPECT_EQ(NotificationState(5, none, screen), 5);
    // a locked screen or a screen saver (QUNS_NOT_PRESENT) is no program in front
    EXPECT_EQ(NotificationState(1, none, screen), 5);
    // a caption-less window over the whole screen, whatever the shell says
    // (Wine always says it accepts notifications; XP has no answer)
    EXPECT_EQ(NotificationState(5, game, screen), 2);
    EXPECT_EQ(NotificationState(std::nullopt, game, screen), 2);
    EXPECT_EQ(NotificationState(std::nullopt, {true, false, false, {-8, -8, 1032, 776}}, screen),
              2);
    // not: a window with a caption (maximized), the desktop, a caption-less
    // window short of the screen (a maximized borderless one stops at the
    // taskbar), no foreground window
    EXPECT_EQ(NotificationState(std::nullopt, {true, true, false, {0, 0, 1024, 768}}, screen), 5);
    EXPECT_EQ(NotificationState(std::nullopt, {true, false, true, {0, 0, 1024, 768}}, screen), 5);
    EXPECT_EQ(NotificationState(std::nullopt, {true, false, false, {0, 0, 1024, 738}}, screen), 5);
    EXPECT_EQ(NotificationState(std::nullopt, {false, false, false, {0, 0, 1024, 768}}, screen), 5);
}

// The close path of the window procedure, over the simulated desktop: the
// user's Esc and Alt+F4 (DefWindowProc makes WM_SYSCOMMAND with SC_CLOSE
// of the latter) reaching the never-shown main window are swallowed; a
// WM_CLOSE from another program and the session's end run the exit
// command, whose tray icon goes before the process does; the help window
// is left to the platform's own close.
// The icon's notifications in the order the shell sends them, through the
// one decoder both bindings route them to.
TEST(TrayNotification, EachVersionsMessagesAsActionCodes) {
    struct Seen {
        std::int32_t code;
        bool keyboard;
        std::optional<Point> anchor;
    };
    const auto decode = [](std::int32_t version, std::vector<std::uint32_t> messages) {
        std::int32_t released = 0;
        std::vector<Seen> seen;
        const std::uintptr_t anchor = 1013 | (757u << 16);
        for (std::uint32_t message : messages) {
            const TrayNotification n =
                version == 4 ? TrayNotificationOf(4, anchor, message | kTrayIconId << 16, released)
                             : TrayNotificationOf(0, kTrayIconId, message, released);
            if (n.code != 0) seen.push_back({n.code, n.keyboard, n.anchor});
        }
        return seen;
    };
    const auto codes = [](const std::vector<Seen>& seen) {
        std::vector<std::int32_t> out;
        for (const Seen& s : seen) out.push_back(s.code);
        return out;
    };
    // version 0: a left click, a double click, a right click
    const auto xp = decode(0, {win::kWmLButtonDown, win::kWmLButtonUp, win::kWmLButtonDblClk,
                               win::kWmLButtonUp, win::kWmRButtonUp, win::kNinKeySelect});
    EXPECT_EQ(codes(xp), (std::vector{1, 2, 1, 3}));
    EXPECT_FALSE(xp[0].anchor);
    // version 4: a left and a right click, each one code after its release
    const auto clicks = decode(4, {win::kWmLButtonDown, win::kWmLButtonUp, win::kNinSelect,
                                   win::kWmRButtonDown, win::kWmRButtonUp, win::kWmContextMenu});
    EXPECT_EQ(codes(clicks), (std::vector{1, 3}));
    EXPECT_FALSE(clicks[0].keyboard || clicks[1].keyboard);
    ASSERT_TRUE(clicks[1].anchor);
    EXPECT_EQ(clicks[1].anchor->x, 1013);
    EXPECT_EQ(clicks[1].anchor->y, 757);
    // and the keyboard's: Enter or Space, Shift+F10, Enter on an icon
    // selected without a click
    const auto keys = decode(4, {win::kNinKeySelect, win::kWmContextMenu, win::kNinSelect});
    EXPECT_EQ(codes(keys), (std::vector{4, 3, 1}));
    EXPECT_TRUE(keys[0].keyboard && keys[1].keyboard && keys[2].keyboard);
    // anchors left or above the primary screen are negative
    std::int32_t released = 0;
    const TrayNotification left =
        TrayNotificationOf(4, 0xFFFF | (10u << 16), win::kWmContextMenu, released);
    EXPECT_EQ(left.anchor->x, -1);
}

TEST(WindowMessages, TheMainWindowEndsOnlyAsTheExitCommandEndsIt) {
    struct Case {
        ProgramWindow window;
        std::uint32_t message;
        std::uintptr_t wParam;
        bool leftToPlatform;
        bool ends;
    } cases[] = {
        {ProgramWindow::Main, win::kWmSysCommand, win::kScClose, false, false},
        {ProgramWindow::Main, win::kWmKeyDown, static_cast<std::uintptr_t>(win::kVkEscape), true,
         false},
        {ProgramWindow::Main, win::kWmClose, 0, false, true},
        {ProgramWindow::Main, win::kWmEndSession, 1, false, true},
        {ProgramWindow::Main, win::kWmEndSession, 0, true, false},
        {ProgramWindow::Help, win::kWmSysCommand, win::kScClose, true, false},
        {ProgramWindow::Help, win::kWmClose, 0, true, false},
    };
    for (const Case& c : cases) {
        std::int64_t clock = 0;
        sim::Trace trace(nullptr, clock);
        sim::SimDesktop desktop(trace);
        ProgramState state;
        desktop.Shell_NotifyIconA(win::kNimAdd, kTrayTip);
        bool handled = false;
        bool ended = false;
        try {
            const auto raised = EventOfMessage(c.window, c.message, c.wParam, 0, {});
            handled = raised && RaiseEvent(state, desktop, raised->event);
        } catch (const sim::ProcessExited&) {
            ended = true;
        }
        const std::string what = std::to_string(c.message) + " " + std::to_string(c.wParam);
        EXPECT_EQ(ended, c.ends) << what;
        EXPECT_EQ(!handled && !ended, c.leftToPlatform) << what;
        EXPECT_EQ(trace.Find("TrayIcon remove") != nullptr, c.ends) << what;
    }
}

}  // namespace
}  // namespace tremolux::win32
