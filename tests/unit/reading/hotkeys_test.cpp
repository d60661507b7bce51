// Every hotkey in every state of auto-reading: off, on, and paused behind a hidden window.
#include "core/reader_state.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

enum class State { off, on, paused };

struct Outcome {
    bool visible;
    bool checked;
    int timer;
    int pace;
    int block;
};

struct HotkeyCase {
    const char* name;
    State state;
    char key;
    Outcome after;
};

int idFor(char key) {
    switch (key) {
    case 'X':
        return reader.hotkeyHide;
    case 'A':
        return reader.hotkeyAutoRead;
    case '1':
        return reader.hotkeyFaster;
    case '2':
        return reader.hotkeySlower;
    case '3':
        return reader.hotkeyLonger;
    default:
        return reader.hotkeyShorter;
    }
}

class Hotkey : public testing::TestWithParam<HotkeyCase> {};

TEST_P(Hotkey, MovesAutoReadingToTheRightState) {
    const HotkeyCase& c = GetParam();
    FakeHost fake;
    fake.run([&] {
        if (c.state != State::off) fake.chooseMenu(menuItem("自动阅读文本"));
        if (c.state == State::paused) fake.pressHotkey(reader.hotkeyHide);
        fake.pressHotkey(idFor(c.key));
        EXPECT_EQ(fake.windowVisible, c.after.visible);
        EXPECT_EQ(fake.menu(menuItem("自动阅读文本")).checked, c.after.checked);
        EXPECT_EQ(fake.menu(menuItem("自动阅读 ")).visible, c.after.checked);
        EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟1)], c.after.timer);
        EXPECT_EQ(reader.autoReadPeriod, c.after.pace);
        EXPECT_EQ(reader.readingBlockLength, c.after.block);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Hotkeys, Hotkey,
    testing::Values(HotkeyCase{"OffHide", State::off, 'X', {false, false, 0, 100, 5}},
                    HotkeyCase{"OffToggle", State::off, 'A', {true, true, 100, 100, 5}},
                    HotkeyCase{"OffFaster", State::off, '1', {true, false, 0, 80, 5}},
                    HotkeyCase{"OffSlower", State::off, '2', {true, false, 0, 120, 5}},
                    HotkeyCase{"OffLonger", State::off, '3', {true, false, 0, 100, 7}},
                    HotkeyCase{"OffShorter", State::off, '4', {true, false, 0, 100, 3}},
                    HotkeyCase{"OnHide", State::on, 'X', {false, true, 0, 100, 5}},
                    HotkeyCase{"OnToggle", State::on, 'A', {true, false, 0, 100, 5}},
                    HotkeyCase{"OnFaster", State::on, '1', {true, true, 80, 80, 5}},
                    HotkeyCase{"OnSlower", State::on, '2', {true, true, 120, 120, 5}},
                    HotkeyCase{"OnLonger", State::on, '3', {true, true, 100, 100, 7}},
                    HotkeyCase{"OnShorter", State::on, '4', {true, true, 100, 100, 3}},
                    HotkeyCase{"PausedShow", State::paused, 'X', {true, true, 100, 100, 5}},
                    HotkeyCase{"PausedToggle", State::paused, 'A', {false, false, 0, 100, 5}},
                    HotkeyCase{"PausedFaster", State::paused, '1', {false, true, 0, 80, 5}},
                    HotkeyCase{"PausedSlower", State::paused, '2', {false, true, 0, 120, 5}},
                    HotkeyCase{"PausedLonger", State::paused, '3', {false, true, 0, 100, 7}},
                    HotkeyCase{"PausedShorter", State::paused, '4', {false, true, 0, 100, 3}}),
    [](const testing::TestParamInfo<HotkeyCase>& info) { return info.param.name; });

TEST(Hotkeys, SwitchedOffWhileHiddenItStaysOffWhenShown) {
    FakeHost fake;
    fake.run([&] {
        fake.chooseMenu(menuItem("自动阅读文本"));
        fake.pressHotkey(reader.hotkeyHide);
        fake.pressHotkey(reader.hotkeyAutoRead);
        fake.pressHotkey(reader.hotkeyHide);
        EXPECT_TRUE(fake.windowVisible);
        EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟1)], 0);
    });
}

TEST(Hotkeys, SwitchedOnWhileHiddenItRunsAndShowingKeepsThePace) {
    FakeHost fake;
    fake.run([&] {
        fake.pressHotkey(reader.hotkeyHide);
        fake.pressHotkey(reader.hotkeyAutoRead);
        EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟1)], 100);
        int restarts = fake.timerRestarts[timerIndex(Timer::时钟1)];
        fake.pressHotkey(reader.hotkeyHide);
        EXPECT_EQ(fake.timerRestarts[timerIndex(Timer::时钟1)], restarts)
            << "the same period does not restart the countdown";
    });
}

TEST(Hotkeys, ARefusedRegistrationNeverMatchesAPress) {
    FakeHost fake;
    fake.refusedHotkeyKeys = {'X'};
    fake.run([&] {
        EXPECT_EQ(reader.hotkeyHide, 0);
        fake.pressHotkey(33001);
        fake.pressHotkey(0);
        EXPECT_TRUE(fake.windowVisible);
    });
}

} // namespace
