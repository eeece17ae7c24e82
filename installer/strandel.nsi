; The Strandel installer: installs the program for the user who runs it, without
; administrator rights, into a folder of that user's own, so the program's folder
; (templates, the temporary web page) stays writable.
;
; installer/make_packages.sh compiles it in the folder of the files to install:
;   makensis -NOCD -DVERSION=1.4 -DVERSION_QUAD=1.4.0.0 -DINSTALLED_KB=... \
;            -DPROGRAM_FILES=../program_files.nsh -DOUTFILE=../Strandel-1.4-setup.exe strandel.nsi
; program_files.nsh (list_program_files.sh) names every installed file: the
; uninstaller removes those by name and removes folders only when they are empty,
; so the user's own templates stay.
;
; Silent: "Strandel-VERSION-setup.exe /S" installs with the default choices (the
; Send To shortcut included; /D=FOLDER, last on the line, sets the folder);
; "uninstall.exe /S" uninstalls.
;
; A running Strandel holds its files: setup and uninstall close it first, as its own close
; box would (its settings are saved), after asking; silent runs close it without asking.

!pragma warning error all
Unicode true
; A 64-bit installer for the 64-bit program (and Wine runs it without its 32-bit half).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include WinMessages.nsh
!include "${PROGRAM_FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Strandel"
!define PUBLISHER "The Strandel developers"

Name "Strandel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Strandel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show
BrandingText "Strandel ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "Strandel"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Strandel ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}, MIT licence"

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\strandel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Strandel"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Closes every running Strandel (its main window's class is QZ_STRANDEL) and waits until none
; is left; aborts, with nothing changed, when the user says no or a copy does not close.
!macro CLOSE_STRANDEL_FUNCTION UN
Function ${UN}CloseStrandel
  FindWindow $R0 "QZ_STRANDEL"
  ${If} $R0 = 0
    Return
  ${EndIf}
  MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION \
    "Strandel is running, and its files cannot be replaced while it runs.$\n$\nClick OK to close it (its settings are saved as when you close it), or Cancel to stop here." \
    /SD IDOK IDOK close
  DetailPrint "Strandel is still running: nothing was changed."
  Abort
  close:
  DetailPrint "Closing the running Strandel..."
  StrCpy $R1 0
  StrCpy $R2 0
  ${Do}
    FindWindow $R0 "QZ_STRANDEL"
    ${If} $R0 = 0
      DetailPrint "Strandel is closed."
      Return
    ${EndIf}
    ; One close request per window: each copy gets one as it comes up in the search.
    ${If} $R0 <> $R2
      SendMessage $R0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
      StrCpy $R2 $R0
    ${EndIf}
    Sleep 100
    IntOp $R1 $R1 + 1
  ${LoopUntil} $R1 >= 300
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "Strandel does not close (it may be showing a message).$\n$\nClose it yourself and click Retry, or click Cancel to stop here." \
    /SD IDCANCEL IDRETRY close
  DetailPrint "Strandel did not close: nothing was changed."
  Abort
FunctionEnd
!macroend
!insertmacro CLOSE_STRANDEL_FUNCTION ""
!insertmacro CLOSE_STRANDEL_FUNCTION "un."

Section "Strandel" SecProgram
  SectionIn RO
  Call CloseStrandel

  ; An earlier install removes what it installed first, with its own list of files.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}

  !insertmacro InstallProgramFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Strandel.lnk" "$INSTDIR\strandel.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Strandel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\strandel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${INSTALLED_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Shortcut in Send To" SecSendTo
  SetOutPath "$INSTDIR"
  CreateDirectory "$SENDTO"
  CreateShortcut "$SENDTO\Strandel.lnk" "$INSTDIR\strandel.exe"
  ; The uninstaller removes the shortcut only when the installer made it.
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "SendToShortcut" 1
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Strandel, its help page and its templates."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSendTo} \
    "A shortcut $\"Strandel$\" in your Send To folder: right-click files in Explorer and choose Send to > Strandel."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  Call un.CloseStrandel
  !insertmacro RemoveProgramFiles
  ; The web page that Html images and Html link make beside the program.
  Delete "$INSTDIR\dragtmp.htm"
  Delete "$INSTDIR\uninstall.exe"
  ; Folders go only when empty: the user's own templates stay, with their folders.
  !insertmacro RemoveProgramFolders
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\Strandel.lnk"
  ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "SendToShortcut"
  ${If} $0 = 1
    Delete "$SENDTO\Strandel.lnk"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
