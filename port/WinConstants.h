// The Win32 constants that the program's logic, the simulated desktop and the
// binding's pure decisions name, in one place, under names that do not
// collide with the Win32 headers' macros.
#pragma once

#include <cstdint>

#include "port/Types.h"

namespace tremolux {

namespace win {
constexpr std::uint32_t kEventAllAccess = 0x1F0003;
// CreateFileW for a file's identity alone: no access, every sharing.
constexpr std::uint32_t kFileShareAll = 0x7;  // FILE_SHARE_READ | _WRITE | _DELETE
constexpr std::uint32_t kOpenExisting = 3;
constexpr std::uint32_t kFileFlagBackupSemantics = 0x02000000;
constexpr std::uint32_t kErrorAlreadyExists = 183;
constexpr std::uint32_t kSpiGetWorkArea = 0x30;
constexpr std::int32_t kSmCxScreen = 0;
constexpr std::int32_t kSmCyScreen = 1;
constexpr std::int32_t kVkLButton = 0x01;
constexpr std::int32_t kVkShift = 0x10;
constexpr std::int32_t kVkF1 = 0x70;
constexpr std::uint32_t kSwpNoSize = 0x0001;
constexpr std::uint32_t kSwpNoMove = 0x0002;
constexpr std::uint32_t kSwpNoZOrder = 0x0004;
constexpr std::uint32_t kSwpNoActivate = 0x0010;
constexpr std::int32_t kSwShowNormal = 1;
constexpr std::int32_t kSwShowMinimized = 2;
constexpr std::int32_t kSwShowMaximized = 3;  // SW_MAXIMIZE
constexpr std::int32_t kSwShow = 5;
constexpr std::int32_t kSwRestore = 9;
// Window styles, and GetWindowLongW's index of them.
constexpr std::int32_t kGwlStyle = -16;
constexpr std::uint32_t kWsMinimizeBox = 0x00020000;
constexpr std::uint32_t kWsMaximizeBox = 0x00010000;
constexpr std::uint32_t kWsThickFrame = 0x00040000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;
constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsMaximize = 0x01000000;
constexpr std::uint32_t kWsDisabled = 0x08000000;
constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr std::uint32_t kWsMinimize = 0x20000000;
constexpr std::uint32_t kWsChild = 0x40000000;
// The mandatory integrity levels of process tokens (SECURITY_MANDATORY_*_RID).
constexpr std::uint32_t kMandatoryMediumRid = 0x2000;
constexpr std::uint32_t kMandatoryHighRid = 0x3000;
// Window messages, and what some of them carry.
constexpr std::uint32_t kWmNull = 0x0000;
constexpr std::uint32_t kWmActivate = 0x0006;
constexpr std::uint32_t kWmClose = 0x0010;
constexpr std::uint32_t kWmEndSession = 0x0016;
constexpr std::uint32_t kWmShowWindow = 0x0018;
constexpr std::uint32_t kWmContextMenu = 0x007B;
constexpr std::uint32_t kWmKeyDown = 0x0100;
constexpr std::uint32_t kWmCommand = 0x0111;
constexpr std::uint32_t kWmSysCommand = 0x0112;
constexpr std::uint32_t kWmTimer = 0x0113;
constexpr std::uint32_t kWmLButtonDown = 0x0201;
constexpr std::uint32_t kWmLButtonUp = 0x0202;
constexpr std::uint32_t kWmLButtonDblClk = 0x0203;
constexpr std::uint32_t kWmRButtonDown = 0x0204;
constexpr std::uint32_t kWmRButtonUp = 0x0205;
constexpr std::uint32_t kWmHotkey = 0x0312;
constexpr std::uint32_t kWaInactive = 0;
constexpr std::uint32_t kBnClicked = 0;
constexpr std::uintptr_t kScClose = 0xF060;
constexpr std::int32_t kVkRButton = 0x02;
constexpr std::int32_t kVkEscape = 0x1B;
constexpr std::uint32_t kIdcArrow = 32512;
constexpr std::uint32_t kMbOk = 0x0000;
constexpr std::uint32_t kMbYesNo = 0x0004;
constexpr std::uint32_t kMbTaskModal = 0x2000;
constexpr std::int32_t kIdOk = 1;
constexpr std::int32_t kIdYes = 6;
constexpr std::int32_t kIdNo = 7;
constexpr std::uint32_t kTpmRightAlign = 0x0008;
constexpr std::uint32_t kNimAdd = 0;
constexpr std::uint32_t kNimDelete = 2;
constexpr std::uint32_t kNimSetFocus = 3;
constexpr std::uint32_t kNimSetVersion = 4;  // asks for NOTIFYICON_VERSION_4
constexpr std::int32_t kNotifyIconVersion4 = 4;
// What a version-4 icon's shell sends beside the mouse messages.
constexpr std::uint32_t kNinSelect = 0x0400;     // WM_USER
constexpr std::uint32_t kNinKeySelect = 0x0401;  // NIN_SELECT | NINF_KEY
constexpr std::uint32_t kMonitorDefaultToNull = 0;
constexpr std::uint32_t kMonitorDefaultToPrimary = 1;
constexpr std::uint32_t kMonitorDefaultToNearest = 2;
constexpr std::uint32_t kMonitorInfoPrimary = 1;  // MONITORINFOF_PRIMARY
constexpr std::uint32_t kGuiInMoveSize = 0x0002;
// WinEvents: a window's move/size loop starts and ends, a window moves.
constexpr std::uint32_t kEventSystemMoveSizeStart = 0x000A;
constexpr std::uint32_t kEventSystemMoveSizeEnd = 0x000B;
constexpr std::uint32_t kEventObjectLocationChange = 0x800B;
constexpr std::int32_t kObjIdWindow = 0;
constexpr std::int32_t kChildIdSelf = 0;
constexpr std::int32_t kObjIdCursor = -9;  // OBJID_CURSOR: the pointer moved
constexpr std::uint32_t kWinEventOutOfContext = 0x0000;
constexpr std::uint32_t kWinEventSkipOwnProcess = 0x0002;
// The system's sizing cursors, shown while a window's border is dragged.
constexpr std::uint32_t kIdcSizeNwse = 32642;
constexpr std::uint32_t kIdcSizeNesw = 32643;
constexpr std::uint32_t kIdcSizeWe = 32644;
constexpr std::uint32_t kIdcSizeNs = 32645;
// SHQueryUserNotificationState: S_OK and what the user is doing.
constexpr std::int32_t kSOk = 0;
constexpr std::int32_t kQunsBusy = 2;
constexpr std::int32_t kQunsRunningD3DFullScreen = 3;
constexpr std::int32_t kQunsPresentationMode = 4;
constexpr std::int32_t kQunsAcceptsNotifications = 5;

// Registry
constexpr RegistryKey kHkeyClassesRoot = 0x80000000u;
constexpr RegistryKey kHkeyCurrentUser = 0x80000001u;
constexpr RegistryKey kHkeyLocalMachine = 0x80000002u;
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyWrite = 0x20006;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::int32_t kErrorSuccess = 0;
constexpr std::int32_t kErrorFileNotFound = 2;
constexpr std::int32_t kErrorAccessDenied = 5;
constexpr std::int32_t kErrorInvalidHandle = 6;
constexpr std::int32_t kErrorInvalidParameter = 87;
constexpr std::int32_t kErrorMoreData = 234;
constexpr std::int32_t kErrorKeyDeleted = 1018;

// GetSysColor indices.
constexpr std::uint32_t kColorWindow = 5;
constexpr std::uint32_t kColorWindowText = 8;
constexpr std::uint32_t kColorHighlight = 13;
constexpr std::uint32_t kColorHighlightText = 14;
constexpr std::uint32_t kColorHotLight = 26;
}  // namespace win

}  // namespace tremolux
