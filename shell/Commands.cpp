#include "shell/Commands.h"

#include "engine/Engine.h"
#include "settings/Settings.h"
#include "shell/Declarations.h"

namespace tremolux {

namespace {

constexpr const char* kInstanceEvent = "tremolux";

// The message, then the main window's close is posted; once it is gone no
// window of the program is left and the process ends with code 0. A handle
// this instance got to the other one's event is let go.
void RefuseSecondInstance(const ProgramState& state, DesktopPort& port, KernelHandle otherEvent) {
    if (otherEvent != 0) port.CloseHandle(otherEvent);
    const Texts& texts = TextsOf(state);
    port.MessageBoxA(texts.alreadyRunning, texts.informationCaption,
                     win::kMbOk | win::kMbTaskModal);
    port.CloseMainWindow();
}

// A switch's mark from its stored value: 0 clears it, 1 sets it, any other
// value leaves it as it was.
void MarkFromNumber(DesktopPort& port, std::uint32_t item, std::uint32_t value) {
    if (value == 0) port.CheckMenuItem(item, false);
    if (value == 1) port.CheckMenuItem(item, true);
}

// The mark changes before the write, whatever the write achieves.
bool FlipMark(DesktopPort& port, std::uint32_t item) {
    const bool wasChecked = port.IsMenuItemChecked(item);
    port.CheckMenuItem(item, !wasChecked);
    return wasChecked;
}

void ChooseMode(ProgramState& state, DesktopPort& port, std::uint32_t item,
                std::int32_t modeWhenUnchecked, std::int32_t modeWhenChecked) {
    const std::int32_t mode = FlipMark(port, item) ? modeWhenChecked : modeWhenUnchecked;
    WriteValue(port, state.SettingsRoot, paths::kOperationMode, static_cast<std::uint32_t>(mode));
    state.OperationMode = mode;
}

void ToggleSwitch(const ProgramState& state, DesktopPort& port, std::uint32_t item,
                  const char* path) {
    WriteValue(port, state.SettingsRoot, path, FlipMark(port, item) ? 0u : 1u);
}

}  // namespace

// The language is chosen before the main window, which holds the tray
// menu, is made.
void StartProcess(ProgramState& state, DesktopPort& port) {
    state = ProgramState{};
    state.Language = LanguageFor(port.GetUserDefaultUILanguage());
    port.LoadWindow(ProgramWindow::Main, false);
}

void EndProcess(ProgramState& state, DesktopPort& port) {
    if (state.ShellObject) port.ReleaseAutomationObject(state.ShellObject);
    state.ShellObject = nullptr;
}

// Another instance holds the named event. The event is also checked after
// it is created: two instances started at the same moment can both find
// nothing to open, and the later CreateEventA then reports that the event
// already exists. An instance run as administrator labels its event with a
// high integrity level, so that this one may neither open nor create it:
// access denied from either call means another instance runs too.
void StartUp(ProgramState& state, DesktopPort& port) {
    const KernelHandle opened = port.OpenEventA(win::kEventAllAccess, false, kInstanceEvent);
    if (opened != 0 || port.GetLastError() == win::kErrorAccessDenied) {
        RefuseSecondInstance(state, port, opened);
        return;
    }
    const KernelHandle event = port.CreateEventA(false, false, kInstanceEvent);
    const std::uint32_t error = port.GetLastError();
    if ((event != 0 && error == win::kErrorAlreadyExists) ||
        (event == 0 && error == win::kErrorAccessDenied)) {
        RefuseSecondInstance(state, port, event);
        return;
    }
    ShowTrayIcon(state, port);
    state.StripLatch = 0;
    state.PeekActive = 0;
    port.LoadWindow(ProgramWindow::Strip, false);
    port.ShowProgramWindow(ProgramWindow::Strip);
    state.SettingsRoot = SettingsRoot(port);
    state.OperationMode = StartupOperationMode(port, state.SettingsRoot);
}

// While the shell is still starting, as at a start with Windows, it can
// refuse the icon; without the icon there is no menu and no way to exit, so
// the icon is tried again every second until the shell takes it. Where the
// shell has them (Vista and later), the icon is one of version 4, which the
// keyboard reaches; on Windows XP it keeps the mouse messages alone.
void ShowTrayIcon(ProgramState& state, DesktopPort& port) {
    const WindowHandle main = port.ProgramWindowHandle(ProgramWindow::Main);
    const TimerDeclaration& retry = *TimerOf(ProgramWindow::Main, timer::kTrayIconRetry);
    if (port.Shell_NotifyIconA(win::kNimAdd, kTrayTip)) {
        state.TrayIconVersion =
            port.Shell_NotifyIconA(win::kNimSetVersion, nullptr) ? win::kNotifyIconVersion4 : 0;
        state.TrayButtonReleased = 0;
        port.KillTimer(main, retry.id);
    } else {
        port.SetTimer(main, retry.id, retry.interval);
    }
}

// A refused instance never loaded its strip and has no icon to put back.
void RestoreTrayIcon(ProgramState& state, DesktopPort& port) {
    if (port.ProgramWindowHandle(ProgramWindow::Strip) != kNoWindow) ShowTrayIcon(state, port);
}

void ExitProgram(ProgramState& state, DesktopPort& port) {
    port.Shell_NotifyIconA(win::kNimDelete, nullptr);
    EndProcess(state, port);
    port.ExitProcess(0);
}

// Left click, double click, right click and the keyboard's selection all
// open the menu; the marks come from the registry each time. The menu opens
// at the anchor the shell passes (at the icon, wherever the pointer is),
// or, without one, at the pointer.
void ShowTrayMenu(ProgramState& state, DesktopPort& port, const TrayNotification& notification) {
    if (notification.code < 1 || notification.code > 4) return;
    const RegistryKey root = state.SettingsRoot;
    MarkFromNumber(port, command::kNoMax, ReadNumber(port, root, paths::kNoMaxRead));
    MarkFromNumber(port, command::kNoMin, ReadNumber(port, root, paths::kNoMinRead));
    port.CheckMenuItem(command::kStartWithWindows, StartsWithWindows(port, root));
    const std::uint32_t mode = ReadNumber(port, root, paths::kOperationMode, 1);
    if (mode == 1 || mode == 2) {
        port.CheckMenuItem(command::kDragBumpMode, mode == 1);
        port.CheckMenuItem(command::kSlideMode, mode == 2);
    }
    Point at;
    if (notification.anchor) {
        at = *notification.anchor;
    } else {
        Point cursor;
        port.GetCursorPos(&cursor);
        at = {Saturate(std::int64_t{cursor.x} - 5), Saturate(std::int64_t{cursor.y} - 5)};
    }
    // Without the foreground the menu would not close on a click elsewhere;
    // the WM_NULL afterwards lets it close properly. The foreground goes back
    // once the chosen command, posted before, has run.
    const WindowHandle main = port.ProgramWindowHandle(ProgramWindow::Main);
    state.ForegroundBeforeMenu = port.GetForegroundWindow();
    state.TrayMenuFromKeyboard = notification.keyboard;
    port.SetForegroundWindow(main);
    port.TrackPopupMenu(win::kTpmRightAlign, at.x, at.y);
    port.PostMessageA(main, win::kWmNull, 0, 0);
    port.PostMessageA(main, kTrayMenuClosedMessage, 0, 0);
}

// Left in front, the hidden main window would take the next Esc or Alt+F4
// meant for the desktop. A click elsewhere that closed the menu has brought
// that window forward: it keeps the foreground. A menu the keyboard opened
// and left with no window of its own brought forward (dismissed, or a
// setting chosen) hands the focus back to the notification area, as the
// shell asks of its icons.
void ReturnForeground(ProgramState& state, DesktopPort& port) {
    const WindowHandle before = state.ForegroundBeforeMenu;
    const bool keyboard = state.TrayMenuFromKeyboard != 0;
    state.ForegroundBeforeMenu = kNoWindow;
    state.TrayMenuFromKeyboard = 0;
    const WindowHandle main = port.ProgramWindowHandle(ProgramWindow::Main);
    if (before != kNoWindow && before != main && port.GetForegroundWindow() == main)
        port.SetForegroundWindow(before);
    if (keyboard) port.Shell_NotifyIconA(win::kNimSetFocus, nullptr);
}

void ChooseDragBumpMode(ProgramState& state, DesktopPort& port) {
    ChooseMode(state, port, command::kDragBumpMode, 1, 2);
}

void ChooseSlideMode(ProgramState& state, DesktopPort& port) {
    ChooseMode(state, port, command::kSlideMode, 2, 1);
}

void ToggleNoMax(ProgramState& state, DesktopPort& port) {
    ToggleSwitch(state, port, command::kNoMax, paths::kNoMaxWrite);
}

void ToggleNoMin(ProgramState& state, DesktopPort& port) {
    ToggleSwitch(state, port, command::kNoMin, paths::kNoMinWrite);
}

// A program path that cannot be read whole is not written.
void ToggleStartWithWindows(ProgramState& state, DesktopPort& port) {
    if (FlipMark(port, command::kStartWithWindows)) {
        DeleteValueOrKey(port, state.SettingsRoot, paths::kRunValue);
        return;
    }
    if (const std::optional<std::string> text = RunValueText(port))
        WriteValue(port, state.SettingsRoot, paths::kRunValue, std::string_view(*text));
}

// Asks, then removes every value the program has written. The completion
// message comes only when nothing of ours is left.
void CleanUpSettings(ProgramState& state, DesktopPort& port) {
    const Texts& texts = TextsOf(state);
    if (port.MessageBoxA(texts.cleanUpQuestion, texts.cleanUpCaption,
                         win::kMbYesNo | win::kMbTaskModal) != win::kIdYes)
        return;
    const DeleteOutcome settings = DeleteValueOrKey(port, state.SettingsRoot, paths::kSettingsKey);
    const DeleteOutcome run = DeleteValueOrKey(port, state.SettingsRoot, paths::kRunValue);
    const bool gone = settings != DeleteOutcome::Refused && run != DeleteOutcome::Refused;
    port.MessageBoxA(gone ? texts.cleanUpDone : texts.cleanUpRefused, texts.informationCaption,
                     win::kMbOk | win::kMbTaskModal);
}

void OpenHelpWindow(ProgramState&, DesktopPort& port) {
    port.LoadWindow(ProgramWindow::Help, true);
    port.ShowProgramWindow(ProgramWindow::Help);
}

}  // namespace tremolux
