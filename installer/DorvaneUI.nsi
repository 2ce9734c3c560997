; The per-user installer of the panel. Built twice by the build, once for
; each architecture; the two differ only in the target and the payload:
;   makensis -DARCH=x64|x86 -DVERSION=1.2.3 -DBINDIR=<programs> -DICON=<.ico> -DOUTFILE=<setup.exe> DorvaneUI.nsi
Unicode true
!if ${ARCH} == "x64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Dorvane UI"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\DorvaneUI"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "SoftWare\TALVEX\USB_PHONE_K52"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; For the current user only: no administrator rights asked or needed.
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\DorvaneUI"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "Dorvane"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}.0"
VIAddVersionKey "ProductVersion" "${VERSION}.0"
VIAddVersionKey "LegalCopyright" "Copyright (C) Dorvane"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running panel is asked to end (any start with VobDestroyMode ends the
; one running for this user), then waited for until its single-instance
; semaphore is gone, so that its files can be replaced or removed.
!macro EndRunningPanel
  ${If} ${FileExists} "$INSTDIR\DorvaneUI.exe"
    ExecWait '"$INSTDIR\DorvaneUI.exe" VobDestroyMode'
  ${EndIf}
  StrCpy $R0 0
  ${Do}
    System::Call 'kernel32::OpenSemaphoreW(i 0x00100000, i 0, w "Dorvane UI Semaphore") p.R1'
    ${If} $R1 P= 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p R1)'
    IntOp $R0 $R0 + 1
    ${If} $R0 >= 100
      ${Break}
    ${EndIf}
    Sleep 100
  ${Loop}
!macroend

Section "Dorvane UI" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro EndRunningPanel
  SetOverwrite on
  File "${BINDIR}\DorvaneUI.exe"
  File "${BINDIR}\zeldevtopvolctrl.dll"
  ; The default tone, unless the folder holds one already: the ring folder
  ; is the user's.
  SetOutPath "$INSTDIR\ring"
  SetOverwrite off
  File "${BINDIR}\ring\ring_in.wav"
  SetOverwrite on
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\DorvaneUI.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Dorvane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\DorvaneUI.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start the panel when I log on" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\DorvaneUI.exe"'
SectionEnd

Section "-Start"
  ${IfNot} ${SectionIsSelected} ${SecAutostart}
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  Exec '"$INSTDIR\DorvaneUI.exe"'
SectionEnd

Section "-un.Program"
  !insertmacro EndRunningPanel
  Delete "$INSTDIR\DorvaneUI.exe"
  Delete "$INSTDIR\zeldevtopvolctrl.dll"
  Delete "$INSTDIR\ring\ring_in.wav"
  Delete "$INSTDIR\ring\mute.wav"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\Uninstall.exe"
SectionEnd

; Off unless ticked, and so always off in a silent uninstall.
Section /o "un.Remove my settings, ring tones and website list" SecRemoveSettings
  RMDir /r "$INSTDIR\ring"
  Delete "$INSTDIR\ring.vob"
  Delete "$INSTDIR\urlList.vob"
  Delete "$INSTDIR\defaultWeb.vob"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

Section "-un.Folders"
  ; Only empty folders go: what the user keeps stays where it was.
  RMDir "$INSTDIR\ring"
  RMDir "$INSTDIR"
SectionEnd
