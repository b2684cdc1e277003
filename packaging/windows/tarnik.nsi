; The Windows installer of Tarnik: installs for the current user (no administrator rights), in
; %LOCALAPPDATA%\Programs\Tarnik, with a Start-menu entry, the association of .trk files in the
; user's classes and an entry in "Programs and Features". Built by scripts/make-windows-installer,
; which defines VERSION, PROGRAM_ICON, OUTFILE and writes files.nsh and unfiles.nsh (the files to
; install, and the same files to remove, so that the uninstaller removes only what it installed).
; The program is 64-bit, and so is the installer (it runs where the program can).
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define PROGID "Tarnik.Ocena.2"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnik"

Name "Tarnik ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Tarnik"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tarnik ${VERSION}"

!define MUI_ICON "${PROGRAM_ICON}"
!define MUI_UNICON "${PROGRAM_ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tarnik.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

Section "Tarnik"
    SetShellVarContext current
    !include "files.nsh"
    WriteUninstaller "$INSTDIR\odinstaluj.exe"
    CreateShortCut "$SMPROGRAMS\Tarnik.lnk" "$INSTDIR\tarnik.exe" "" "$INSTDIR\tarnik.exe" 0 \
        SW_SHOWNORMAL "" "Ocena ryzyka zawodowego na stanowisku pracy"

    ; The same values the program writes at its start (app/platform/startupvalues.cpp).
    WriteRegStr HKCU "Software\Classes\.trk" "" "${PROGID}"
    WriteRegStr HKCU "Software\Classes\${PROGID}" "" "Ocena ryzyka zawodowego"
    WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\tarnik.exe,1"
    WriteRegStr HKCU "Software\Classes\${PROGID}\shell" "" "open"
    WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\tarnik.exe" "%1"'
    ; SHCNE_ASSOCCHANGED: Explorer shows the new icon and program at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tarnik"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarnik.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\odinstaluj.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    !include "unfiles.nsh"
    Delete "$INSTDIR\odinstaluj.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Tarnik.lnk"
    ; The association is removed only while it is still ours; the settings (TRK2000) stay.
    ReadRegStr $0 HKCU "Software\Classes\.trk" ""
    StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.trk"
    DeleteRegKey HKCU "Software\Classes\${PROGID}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
