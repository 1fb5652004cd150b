// The Win32 binding's decisions, made without Windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/Decisions.h"

namespace tremolux::win32 {
namespace {

TEST(PhysicalKey, ThePrimaryButtonIsTheRightOneWhenTheButtonsAreSwapped) {
    EXPECT_EQ(PhysicalKey(kVkLButton, false), kVkLButton);
    EXPECT_EQ(PhysicalKey(kVkLButton, true), kVkRButton);
    EXPECT_EQ(PhysicalKey(kVkRButton, true), kVkLButton);
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

}  // namespace
}  // namespace tremolux::win32
