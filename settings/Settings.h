// The settings store: four registry values under HKEY_LOCAL_MACHINE, reached
// through the desktop port's registry operations. Nothing is cached: every read goes to the
// registry. A user who may not write under HKEY_LOCAL_MACHINE keeps the same values at the same
// subkeys under HKEY_CURRENT_USER, and those win when they are there. A copy installed for one
// user keeps its values under HKEY_CURRENT_USER alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "port/DesktopPort.h"

namespace tremolux {

// The paths, spelled as each use spells them; registry names are
// case-insensitive, so they reach the same values.
namespace paths {
constexpr const char* kOperationMode = "software\\kestrelia\\tremolux\\opmode";
constexpr const char* kNoMaxWrite = "Software\\Kestrelia\\Tremolux\\NoMax";
constexpr const char* kNoMinWrite = "Software\\Kestrelia\\Tremolux\\NoMin";
constexpr const char* kNoMaxRead = "software\\kestrelia\\tremolux\\nomax";
constexpr const char* kNoMinRead = "software\\kestrelia\\tremolux\\nomin";
constexpr const char* kRunValue = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Tremolux";
// Split at its last backslash this names a value "tremolux" that does not
// exist, so the delete falls back to the whole key.
constexpr const char* kSettingsKey = "software\\kestrelia\\tremolux";
// Where the installer's entry among the installed programs says the
// program is: under HKEY_CURRENT_USER for a copy installed for one user.
constexpr const char* kInstallLocation =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tremolux\\InstallLocation";
}  // namespace paths

// The root under which this copy keeps its settings: HKEY_CURRENT_USER for a
// copy its installer installed for one user (the entry it made there names
// the folder the program runs from, by any spelling), so that nothing it
// writes is machine-wide; HKEY_LOCAL_MACHINE for any other.
RegistryKey SettingsRoot(DesktopPort& port);

// Two paths of one file as Windows compares them as text: letter case aside
// (ASCII's; beyond it the installer writes the path it installed to), a
// trailing backslash too. An empty path is no file's.
bool SamePath(std::string_view a, std::string_view b);

// A location's path is split at its last backslash into key and value name;
// a path with no backslash names a value directly under the root.
struct RegistryLocation {
    std::string key;
    std::string valueName;
};
RegistryLocation SplitLocation(std::string_view path);

// The REG_DWORD at the location, or fallback when the key or value is missing
// or the value is not a 4-byte REG_DWORD. Under HKEY_LOCAL_MACHINE the
// per-user value is read first.
std::uint32_t ReadNumber(DesktopPort& port, RegistryKey root, std::string_view path,
                         std::uint32_t fallback = 0);

// The REG_SZ at the location as stored, or a REG_EXPAND_SZ expanded; fallback
// for anything else, and for a text that cannot be read whole. A stored text
// without its terminating zero ends where its data ends. Under
// HKEY_LOCAL_MACHINE the per-user value is read first.
std::string ReadText(DesktopPort& port, RegistryKey root, std::string_view path,
                     std::string_view fallback = {});

// Sets the value, creating its key when needed: a number as REG_DWORD, a
// text as REG_SZ through the wide API. Refused under HKEY_LOCAL_MACHINE for
// lack of rights, it is set under HKEY_CURRENT_USER instead. True when set.
bool WriteValue(DesktopPort& port, RegistryKey root, std::string_view path, std::uint32_t number);
bool WriteValue(DesktopPort& port, RegistryKey root, std::string_view path, std::string_view text);

// What a delete achieved. Absent: neither the value nor the key was there,
// so nothing of ours is left at the location either.
enum class DeleteOutcome { Deleted, Absent, Refused };

// Deletes the named value or, when the key cannot be opened or the value not
// deleted, the key whose name is the whole path (refused while it has
// subkeys); under HKEY_LOCAL_MACHINE the per-user one too. Refused when
// anything of ours is left.
DeleteOutcome DeleteValueOrKey(DesktopPort& port, RegistryKey root, std::string_view path);

// The longest path Windows can hand out is 32,767 UTF-16 units, at most
// three UTF-8 bytes each, with its terminating zero.
constexpr std::uint32_t kMaxProgramPathBytes = 32767 * 3 + 1;

// The running executable's full path, through the wide API, with a buffer
// that grows until the whole path fits, up to the longest there is; nullopt
// when it cannot be read whole.
std::optional<std::string> ProgramPath(DesktopPort& port);
// Cut at the path's last backslash: D:\Tools for D:\Tools\x.exe, D: for D:\x.exe.
std::string ProgramDirectory(std::string_view programPath);
std::string ProgramFileName(std::string_view programPath);

// The start-with-Windows value's text: directory, backslash, file name. A
// path with a space is quoted, or Windows would try C:\Program.exe first.
std::optional<std::string> RunValueText(DesktopPort& port);

// 1 (drag-bump) when opmode reads 1, its default; 2 (slide) for anything else.
std::int32_t StartupOperationMode(DesktopPort& port, RegistryKey root);

enum class Effect { Maximize, Minimize };

// Read afresh before every maximize or minimize: any non-zero switch stops it.
bool EffectSwitchedOff(DesktopPort& port, RegistryKey root, Effect effect);

// Any non-empty Run value under the root, or its per-user twin, counts as
// on, whatever path it holds.
bool StartsWithWindows(DesktopPort& port, RegistryKey root);

}  // namespace tremolux
