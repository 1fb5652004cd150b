; The Tremolux installer, made with NSIS by scripts/release.sh, which
; defines VERSION, ARCH (x86 or amd64), EXE and README (the files to
; install) and OUTFILE.
;
; It installs for all users (Program Files\Tremolux) or for the user who
; runs it alone (%LOCALAPPDATA%\Programs\Tremolux), with a Start-menu
; shortcut and an entry in "Apps and features" of the same scope, and
; offers to start the program at the end. A standard user is never asked to
; elevate and installs for themselves; an administrator's Windows asks for
; consent when the installer starts (MultiUser.nsh's "Highest" level), and
; the installer then offers both. Silently, /S /CurrentUser installs for
; the current user and /S /AllUsers for all users.
;
; The uninstaller ends a running instance as the program's own exit command
; does, then removes the files, the shortcut, the entry and every registry
; value the program writes: for a copy installed for one user, under
; HKEY_CURRENT_USER alone, which needs no administrator; for all users,
; under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.

; The 64-bit build gets a 64-bit installer: NSIS's stubs are 32-bit unless
; told otherwise, and a machine that runs only 64-bit code cannot start them.
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!else
  Unicode true
!endif
SetCompressor /SOLID lzma

!define PRODUCT "Tremolux"
!define PUBLISHER "Kestrelia"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SETTINGS_KEY "Software\Kestrelia\Tremolux"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; the registered message the program's main window answers with its exit
; command, and the class of its windows
!define EXIT_REQUEST "TremoluxExitRequest"
!define WINDOW_CLASS "TremoluxWindow"

; For all users, or for the current user alone: the install mode page,
; /AllUsers and /CurrentUser, and a reinstall into the folder of the
; previous one of the same scope. The program tells a copy installed for
; one user by this entry's InstallLocation under HKEY_CURRENT_USER.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!if "${ARCH}" == "amd64"
  !define MULTIUSER_USE_PROGRAMFILES64
!endif
!include "MultiUser.nsh"
!include "MUI2.nsh"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"

!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

; Asks every running instance to end as its exit command ends it (the icon
; leaves the tray, the process exits by itself), and waits up to five
; seconds for its windows to go. Nothing is killed.
!macro EndRunningInstance un
Function ${un}EndRunningInstance
  System::Call 'user32::RegisterWindowMessageW(w "${EXIT_REQUEST}") i .r0'
  StrCpy $1 0
  post:
    FindWindow $1 "${WINDOW_CLASS}" "" 0 $1
    IntCmp $1 0 posted
    System::Call 'user32::PostMessageW(p r1, i r0, p 0, p 0)'
    Goto post
  posted:
  StrCpy $2 0
  wait:
    FindWindow $1 "${WINDOW_CLASS}"
    IntCmp $1 0 ended
    IntCmp $2 50 ended
    IntOp $2 $2 + 1
    Sleep 100
    Goto wait
  ended:
FunctionEnd
!macroend
!insertmacro EndRunningInstance ""
!insertmacro EndRunningInstance "un."

; The registry as the program sees it: the 64-bit program's is the 64-bit
; view, which NSIS does not use unless told.
!macro RegistryViewOfTheProgram
!if "${ARCH}" == "amd64"
  SetRegView 64
!endif
!macroend

Function .onInit
  !insertmacro RegistryViewOfTheProgram
  !insertmacro MULTIUSER_INIT
FunctionEnd

; An uninstaller removes the copy it belongs to and no other: the one whose
; entry names its folder, which NSIS puts in $INSTDIR. For the current user
; when the entry under HKEY_CURRENT_USER does (the folder compared letter
; case aside, as NSIS compares); for all users otherwise, which needs an
; administrator.
Function un.onInit
  !insertmacro RegistryViewOfTheProgram
  StrCpy $R9 $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $R9
    Call un.MultiUser.InstallMode.CurrentUser
  ${ElseIf} $MultiUser.Privileges == "Admin"
  ${OrIf} $MultiUser.Privileges == "Power"
    Call un.MultiUser.InstallMode.AllUsers
  ${Else}
    MessageBox MB_OK|MB_ICONSTOP "$(^Name): an administrator removes a copy installed for all users." /SD IDOK
    Quit
  ${EndIf}
  StrCpy $INSTDIR $R9
FunctionEnd

; An installer that runs as administrator starts the program as the user
; who installed it, through Explorer, so that it does not run elevated.
Function StartProgram
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\tremolux.exe"'
FunctionEnd

Section
  Call EndRunningInstance
  SetOutPath "$INSTDIR"
  File "/oname=tremolux.exe" "${EXE}"
  File "/oname=readme.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tremolux.exe"
  ; SHCTX: HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE, as the install's scope
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tremolux.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" 100
SectionEnd

Section "Uninstall"
  Call un.EndRunningInstance
  Delete "$INSTDIR\tremolux.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ; what the program writes, the values its clean-up command removes: a
  ; copy for all users under both roots (a standard user's are under
  ; HKEY_CURRENT_USER), a copy for one user under HKEY_CURRENT_USER alone
  ${If} $MultiUser.InstallMode == "AllUsers"
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "Software\Kestrelia"
    DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Kestrelia"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
SectionEnd
