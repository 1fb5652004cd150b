; The Tremolux installer, made with NSIS by scripts/release.sh, which
; defines VERSION, ARCH (x86 or amd64), EXE and README (the files to
; install) and OUTFILE.
;
; It installs to Program Files\Tremolux with a Start-menu shortcut and an
; entry in "Apps and features", and offers to start the program at the end.
; The uninstaller ends a running instance as the program's own exit command
; does, then removes the files, the shortcut, the entry and every registry
; value the program writes, under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.

; The 64-bit build gets a 64-bit installer: NSIS's stubs are 32-bit unless
; told otherwise, and a machine that runs only 64-bit code cannot start them.
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!else
  Unicode true
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define PRODUCT "Tremolux"
!define PUBLISHER "Kestrelia"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SETTINGS_KEY "Software\Kestrelia\Tremolux"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; the registered message the program's main window answers with its exit
; command, and the class of its windows
!define EXIT_REQUEST "TremoluxExitRequest"
!define WINDOW_CLASS "TremoluxWindow"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
!if "${ARCH}" == "amd64"
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"

!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
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
!macro RegistryViewOfTheProgram un
Function ${un}.onInit
!if "${ARCH}" == "amd64"
  SetRegView 64
!endif
FunctionEnd
!macroend
!insertmacro RegistryViewOfTheProgram ""
!insertmacro RegistryViewOfTheProgram "un"

; The installer runs as administrator; the program is started as the user
; who installed it, through Explorer, so that it does not run elevated.
Function StartProgram
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\tremolux.exe"'
FunctionEnd

Section
  SetShellVarContext all
  Call EndRunningInstance
  SetOutPath "$INSTDIR"
  File "/oname=tremolux.exe" "${EXE}"
  File "/oname=readme.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tremolux.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tremolux.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" 100
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Call un.EndRunningInstance
  Delete "$INSTDIR\tremolux.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; what the program writes, the values its clean-up command removes, under
  ; both roots (a standard user's are under HKEY_CURRENT_USER)
  DeleteRegKey HKLM "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKLM "Software\Kestrelia"
  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Kestrelia"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
SectionEnd
