#include <gtest/gtest.h>

#include <cmath>

#include "engine/Engine.h"
#include "engine/Numbers.h"
#include "platform/sim/SimDesktop.h"

namespace tremolux {
namespace {

TEST(Truncate, GoesTowardZero) {
    EXPECT_EQ(Truncate(512.5), 512);
    EXPECT_EQ(Truncate(-0.5), 0);
    EXPECT_EQ(Truncate(-2.5), -2);
    EXPECT_EQ(Truncate(1025 / 2.0 + 1), 513);
    EXPECT_EQ(Truncate(1025 / 2.0 - 1), 511);
}

TEST(Truncate, KeepsTheLow32BitsOfThe64BitValue) {
    EXPECT_EQ(Truncate(4294967296.0 + 5), 5);
    EXPECT_EQ(Truncate(2147483648.0), -2147483647 - 1);
    EXPECT_EQ(Truncate(-2147483649.0), 2147483647);
}

TEST(Truncate, OutOfRangeAndNaNGiveTheIndefiniteLowBits) {
    EXPECT_EQ(Truncate(1e30), 0);
    EXPECT_EQ(Truncate(-1e30), 0);
    EXPECT_EQ(Truncate(std::nan("")), 0);
    EXPECT_EQ(Truncate(HUGE_VAL), 0);
}

TEST(Tolerance, IsExactForIntegers) {
    const double w = 1024;
    EXPECT_TRUE(Greater(1015, w - 10));
    EXPECT_FALSE(Greater(1014, w - 10));
    EXPECT_TRUE(Less(1013, w - 10));
    EXPECT_FALSE(Less(1014, w - 10));
    EXPECT_TRUE(Equal(1023, w - 1));
    EXPECT_FALSE(Equal(1022, w - 1));
}

TEST(Tolerance, AbsorbsDifferencesBelowOneTenMillionth) {
    EXPECT_TRUE(Equal(1.0, 1.0 + 5e-8));
    EXPECT_FALSE(Greater(1.0 + 5e-8, 1.0));
    EXPECT_TRUE(Greater(1.0 + 2e-7, 1.0));
    EXPECT_FALSE(Less(1.0 - 5e-8, 1.0));
}

TEST(Tolerance, AFailedSampleLiesNowhere) {
    EXPECT_FALSE(Equal(kNoSample, 1023));
    EXPECT_FALSE(Greater(kNoSample, 1014));
    EXPECT_FALSE(Less(kNoSample, 1014));
    EXPECT_FALSE(kNoSample == 0);
    EXPECT_FALSE(kNoSample > 2);
}

class KeyJustPressedTest : public ::testing::Test {
protected:
    std::int64_t clock = 0;
    sim::Trace trace{nullptr, clock};
    sim::SimDesktop desktop{trace};
};

TEST_F(KeyJustPressedTest, IsTrueOnceForAPressAndFalseWhileHeld) {
    desktop.KeyDown(win::kVkF1);
    EXPECT_TRUE(KeyJustPressed(desktop, win::kVkF1));
    EXPECT_FALSE(KeyJustPressed(desktop, win::kVkF1));  // 0x8000
    EXPECT_FALSE(KeyJustPressed(desktop, win::kVkF1));
    desktop.KeyUp(win::kVkF1);
    desktop.KeyDown(win::kVkF1);
    EXPECT_TRUE(KeyJustPressed(desktop, win::kVkF1));
}

TEST_F(KeyJustPressedTest, APressAlreadyReleasedIsFalseAndConsumed) {
    desktop.KeyDown(win::kVkF1);
    desktop.KeyUp(win::kVkF1);
    EXPECT_EQ(desktop.GetAsyncKeyState(win::kVkF1), 0x0001);
    desktop.KeyDown(win::kVkF1);
    desktop.KeyUp(win::kVkF1);
    EXPECT_FALSE(KeyJustPressed(desktop, win::kVkF1));
    EXPECT_EQ(desktop.GetAsyncKeyState(win::kVkF1), 0);
}

TEST_F(KeyJustPressedTest, KeysKeepTheirOwnPressBits) {
    desktop.KeyDown(win::kVkShift);
    desktop.KeyDown(win::kVkF1);
    EXPECT_TRUE(KeyJustPressed(desktop, win::kVkF1));
    EXPECT_TRUE(KeyJustPressed(desktop, win::kVkShift));
}

}  // namespace
}  // namespace tremolux
