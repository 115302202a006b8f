; The Tesselume installer: both builds of tesselume.scr where Windows looks for screensavers,
; Tesselume made the current user's saver, and an uninstaller that takes all of it back.
; Built by scripts/installer, which passes:
;   VERSION  the product version ("1.0.0")
;   SCR64 SCR32  the 64-bit and 32-bit tesselume.scr
;   ICON  the program's icon;  SIZE_KB  what the two files take;  OUTFILE  the installer to write
; The shipped installer is a 32-bit program (it runs on every Windows); the same script also
; builds as a 64-bit program with "-XTarget amd64-unicode".

Unicode true
!pragma warning disable 6012  ; LogicLib leaves unused labels behind
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh
!include MUI2.nsh

!define PRODUCT "Tesselume"
!define SCR_NAME "tesselume.scr"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesselume"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_SEND 3

Name "${PRODUCT} Screensaver"
OutFile "${OUTFILE}"
; The screensavers go into Windows' own folders, which only an administrator may write.
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Screensaver installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PRODUCT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_NOAUTOCLOSE
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The folder that holds the native screensavers, as this installer's process sees it: a 32-bit
; process on 64-bit Windows sees SysWOW64 under the name System32 unless it says "Sysnative".
!macro NativeSystemFolder result
  !if ${NSIS_PTR_SIZE} > 4
    StrCpy ${result} "$WINDIR\System32"
  !else
    ${If} ${RunningX64}
      StrCpy ${result} "$WINDIR\Sysnative"
    ${Else}
      StrCpy ${result} "$WINDIR\System32"
    ${EndIf}
  !endif
!macroend

Function .onInit
  ${If} ${RunningX64}
    SetRegView 64
    !if ${NSIS_PTR_SIZE} <= 4
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    !endif
  ${EndIf}
FunctionEnd

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
FunctionEnd

Section "Tesselume"
  ; Each architecture's saver where that architecture's settings dialog looks: on 64-bit Windows
  ; the 64-bit one in System32 and the 32-bit one in SysWOW64, on 32-bit Windows the 32-bit one
  ; in System32.
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
    SetOutPath "$WINDIR\System32"
    File "/oname=${SCR_NAME}" "${SCR64}"
    ${EnableX64FSRedirection}
    SetOutPath "$WINDIR\SysWOW64"
    File "/oname=${SCR_NAME}" "${SCR32}"
  ${Else}
    SetOutPath "$WINDIR\System32"
    File "/oname=${SCR_NAME}" "${SCR32}"
  ${EndIf}

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} Screensaver"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$WINDIR\System32\${SCR_NAME},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

  Call MakeCurrentSaver
SectionEnd

; Makes Tesselume the current user's saver. Interactively this goes through Windows' own entry
; point, the one the "Install" command of a .scr file runs: it records the saver and opens the
; Screen Saver settings with it chosen. A silent install must not open a window, and some
; systems have no desk.cpl; there the value that entry point writes is written here, in the same
; short form, and the same system call switches the saver on.
Function MakeCurrentSaver
  Var /GLOBAL nativeSystem
  Var /GLOBAL saverPath
  !insertmacro NativeSystemFolder $nativeSystem
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
  ${EndIf}
  GetFullPathName /SHORT $saverPath "$WINDIR\System32\${SCR_NAME}"
  ${If} ${RunningX64}
    ${EnableX64FSRedirection}
  ${EndIf}
  ${IfNot} ${Silent}
  ${AndIf} ${FileExists} "$nativeSystem\desk.cpl"
    ExecWait '"$nativeSystem\rundll32.exe" desk.cpl,InstallScreenSaver $saverPath'
  ${Else}
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$saverPath"
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_SEND})'
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; The user's saver setting goes only if it still names this saver.
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
  ${EndIf}
  GetFullPathName /SHORT $0 "$WINDIR\System32\${SCR_NAME}"
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $1 != ""
    GetFullPathName /SHORT $2 "$1"
    ${If} $2 == $0
    ${OrIf} $1 == "$WINDIR\System32\${SCR_NAME}"
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${EndIf}
  ${EndIf}

  Delete "$WINDIR\System32\${SCR_NAME}"
  ${If} ${RunningX64}
    ${EnableX64FSRedirection}
    Delete "$WINDIR\SysWOW64\${SCR_NAME}"
  ${EndIf}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
