; The setup program of the Vexlor Adjustor for Windows, made by makensis from
; the staged files (packaging/windows/CMakeLists.txt passes VERSION, STAGE,
; FILES and OUTFILE). It installs for the current user only, without
; administrator rights: the programs under the user's own program folder, a
; Start-menu entry, the .vxc association in the user's registry classes (as
; the window writes it, never over another program's), and an uninstaller
; that removes exactly what was added. The user's settings and backups (in
; the roaming application-data folder) stay.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "StrFunc.nsh"
${StrStr}
${UnStrStr}

!define PRODUCT "Vexlor Adjustor"
!define PROGRAM "vexlor-adjustor.exe"
!define TYPE "vxc file"
!define CLASSES "Software\Classes"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VexlorAdjustor"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; NSIS's own texts in the tool's languages, chosen by Windows' language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Polish"

Section "Install"
    SetShellVarContext current
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    SetOutPath "$INSTDIR" ; the shortcut starts the tool there, where help.pdf is
    CreateShortCut "${SHORTCUT}" "$INSTDIR\${PROGRAM}"

    ; The association: the type is written unless a type of that name opens
    ; another program; the extension opens with it unless the user's files of
    ; this kind open with another program already.
    ReadRegStr $0 HKCU "${CLASSES}\${TYPE}\shell\open\command" ""
    ${StrStr} $1 $0 "${PROGRAM}"
    ${If} $0 == ""
    ${OrIf} $1 != ""
        WriteRegStr HKCU "${CLASSES}\${TYPE}" "" "${TYPE}"
        WriteRegStr HKCU "${CLASSES}\${TYPE}\shell\open\command" "" '"$INSTDIR\${PROGRAM}" "%1"'
        WriteRegStr HKCU "${CLASSES}\.vxc\OpenWithProgids" "${TYPE}" ""
        ReadRegStr $0 HKCU "${CLASSES}\.vxc" ""
        ${If} $0 == ""
            WriteRegStr HKCU "${CLASSES}\.vxc" "" "${TYPE}"
        ${EndIf}
        System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    ${EndIf}

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vexlor e-Drive"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ; The folder as the open command names it (run as "uninstall.exe /S
    ; _?=FOLDER", the folder may come in its short form).
    System::Call 'kernel32::GetLongPathNameW(w "$INSTDIR", w .r0, i ${NSIS_MAX_STRLEN}) i .r1'
    ${If} $1 > 0
        StrCpy $INSTDIR $0
    ${EndIf}
    !define UNINSTALLING
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR" ; only when empty: files of the user's stay
    Delete "${SHORTCUT}"

    ; The association, where it is this copy's: the type when it opens this
    ; copy, the extension's default when it names the type.
    ReadRegStr $0 HKCU "${CLASSES}\${TYPE}\shell\open\command" ""
    ${UnStrStr} $1 $0 "$INSTDIR\${PROGRAM}"
    ${If} $1 != ""
        DeleteRegKey HKCU "${CLASSES}\${TYPE}"
        ReadRegStr $0 HKCU "${CLASSES}\.vxc" ""
        ${If} $0 == "${TYPE}"
            DeleteRegValue HKCU "${CLASSES}\.vxc" ""
        ${EndIf}
        DeleteRegValue HKCU "${CLASSES}\.vxc\OpenWithProgids" "${TYPE}"
        DeleteRegKey /ifempty HKCU "${CLASSES}\.vxc\OpenWithProgids"
        DeleteRegKey /ifempty HKCU "${CLASSES}\.vxc"
        System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
