; The Strandor! installer: a per-user installation that needs no administrator rights.
;   makensis -DVERSION=1.04 -DSRCDIR=<folder with Strandor.exe, DATA, SD_DOC.PDF, README.TXT>
;            -DOUTFILE=<setup.exe> "$PWD/installer/strandor.nsi"
; All paths absolute: makensis works in the script's folder, and the script runs data-list there.
; The program finds DATA, the manual and the user's notes through its current folder, so every
; shortcut starts it in the installation folder. The notes files in DATA\USERNOTE belong to the
; user once installed: an upgrade never overwrites them and the uninstaller removes only those
; that are still empty, as shipped.
; Silent use: Strandor-x.yz-setup.exe /S [/NODESKTOP] [/D=<folder>]; Uninstall.exe /S.
; The release's installer is the x86 one with the i686 program. -DTARGET=amd64-unicode with the
; x86_64 program makes its 64-bit twin, which the release tests run under a 64-bit-only Wine.

!ifdef TARGET
  Target ${TARGET}
!else
  Unicode true
!endif
SetCompressor /SOLID lzma

!ifndef VERSION
  !error "VERSION is not defined (-DVERSION=...)"
!endif
!ifndef SRCDIR
  !error "SRCDIR is not defined (-DSRCDIR=...)"
!endif
!ifndef OUTFILE
  !define OUTFILE "Strandor-${VERSION}-setup.exe"
!endif

!define PRODUCT "Strandor!"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Strandor"
!define SHORTCUT "${PRODUCT}.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Strandor"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" ""

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; InstallDataFiles and RemoveDataFiles: every file under DATA but the user's notes, listed while
; this script is compiled.
!tempfile DATA_LIST
!system '"${__FILEDIR__}/data-list" "${SRCDIR}" "${DATA_LIST}"' = 0
!include "${DATA_LIST}"
!delfile "${DATA_LIST}"

; Drawings belong to the program: an upgrade replaces them all, so that none of an older version
; stays behind. Only the names the program reads go; files of the user's stay.
!macro RemoveDrawings
  Delete "$INSTDIR\DATA\PLUG\PLUG.*"
  Delete "$INSTDIR\DATA\PINOUTS\PINOUTS.*"
  Delete "$INSTDIR\DATA\CABLE\CABLE.*"
  Delete "$INSTDIR\DATA\NOTES\NOTES.*"
!macroend

Section "${PRODUCT} (program, drawings, manual)" SecProgram
  SectionIn RO
  SetOverwrite on
  SetOutPath "$INSTDIR"
  File "${SRCDIR}\Strandor.exe"
  File "${SRCDIR}\SD_DOC.PDF"
  File "${SRCDIR}\README.TXT"
  !if /FileExists "${SRCDIR}/CATALOG.EXE"
    File "${SRCDIR}\CATALOG.EXE"
  !endif
  !insertmacro RemoveDrawings
  !insertmacro InstallDataFiles

  ; The user's notes: put in place only where there is none yet.
  SetOutPath "$INSTDIR\DATA\USERNOTE"
  SetOverwrite off
  File "${SRCDIR}\DATA\USERNOTE\USERNOTE.*"
  SetOverwrite on

  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The shortcut's working folder is the output path at the time it is made.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\Strandor.exe" "" "$INSTDIR\Strandor.exe" 0 \
    SW_SHOWNORMAL "" "Cable-making guide"

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\Strandor.exe,0"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Section "Desktop shortcut" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\Strandor.exe" "" "$INSTDIR\Strandor.exe" 0 \
    SW_SHOWNORMAL "" "Cable-making guide"
SectionEnd

Function .onInit
  SetShellVarContext current
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/NODESKTOP" $R1
  IfErrors +2
    SectionSetFlags ${SecDesktop} 0
FunctionEnd

Function StartProgram
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Strandor.exe"'
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"

  Delete "$INSTDIR\Strandor.exe"
  Delete "$INSTDIR\SD_DOC.PDF"
  Delete "$INSTDIR\README.TXT"
  Delete "$INSTDIR\CATALOG.EXE"
  !insertmacro RemoveDrawings
  !insertmacro RemoveDataFiles

  ; A notes file goes only while it is empty, as shipped; whatever the user wrote stays.
  ClearErrors
  FindFirst $0 $1 "$INSTDIR\DATA\USERNOTE\USERNOTE.*"
  notes_loop:
    IfErrors notes_done
    StrCmp $1 "" notes_done
    ClearErrors
    FileOpen $2 "$INSTDIR\DATA\USERNOTE\$1" r
    IfErrors notes_next
    FileSeek $2 0 END $3
    FileClose $2
    StrCmp $3 "0" 0 notes_next
    Delete "$INSTDIR\DATA\USERNOTE\$1"
  notes_next:
    ClearErrors
    FindNext $0 $1
    Goto notes_loop
  notes_done:
  FindClose $0
  RMDir "$INSTDIR\DATA\USERNOTE"
  RMDir "$INSTDIR\DATA"

  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd
