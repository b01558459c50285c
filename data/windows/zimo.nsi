; Zimo's installer for Windows, built by scripts/windows/package.sh with Debian's makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.1 -DVERSION4=0.1.0.0 -DSTAGE=FOLDER
;            -DDATA=data/windows -DOUTFILE=setup.exe zimo.nsi
; STAGE is the portable folder (zimo.exe, LICENSE.txt, examples, tasks).
;
; For the user who runs it, without administrator rights, into
; %LOCALAPPDATA%\Programs\Zimo; with /ALLUSERS for everybody into Program Files (needs an
; administrator); /S installs without a window, /D=FOLDER chooses the folder. The
; uninstaller takes /S and /ALLUSERS too.

Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zimo"
!define PER_USER_FOLDER "$LOCALAPPDATA\Programs\Zimo"

Name "Zimo"
OutFile "${OUTFILE}"
InstallDir "${PER_USER_FOLDER}"
BrandingText "Zimo ${VERSION}"
VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=1062 "ProductName" "Zimo"
VIAddVersionKey /LANG=1062 "FileDescription" "Zimo uzstādīšana"
VIAddVersionKey /LANG=1062 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1062 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${DATA}\zimo.ico"
!define MUI_UNICON "${DATA}\zimo.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zimo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Palaist Zimo"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Latvian"

LangString NeedsAdministrator ${LANG_LATVIAN} \
  "Lai uzstādītu Zimo visiem lietotājiem, vajag administratora tiesības. Bez /ALLUSERS Zimo uzstādās tikai tev, un tam tiesības nevajag."
LangString ProgramType ${LANG_LATVIAN} "Zimo programma"
LangString TaskType ${LANG_LATVIAN} "Zimo uzdevums"

Var AllUsers

; /ALLUSERS: every user's Start menu, file types and Program Files; stops without an
; administrator, with exit code 740 (elevation required) for a silent roll-out to log.
!macro ChooseUsers un
Function ${un}ChooseUsers
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${If} ${Errors}
    StrCpy $AllUsers 0
    SetShellVarContext current
    Return
  ${EndIf}
  StrCpy $AllUsers 1
  UserInfo::GetAccountType
  Pop $R2
  ${If} $R2 != "Admin"
    MessageBox MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
    SetErrorLevel 740
    Quit
  ${EndIf}
  SetShellVarContext all
FunctionEnd
!macroend
!insertmacro ChooseUsers ""
!insertmacro ChooseUsers "un."

Function .onInit
  ; The per-user folder as it reads before the all-users context changes $LOCALAPPDATA.
  StrCpy $R9 "${PER_USER_FOLDER}"
  Call ChooseUsers
  ; /D= wins over both defaults.
  ${If} $AllUsers == 1
  ${AndIf} $INSTDIR == $R9
    StrCpy $INSTDIR "$PROGRAMFILES64\Zimo"
  ${EndIf}
FunctionEnd

Function un.onInit
  Call un.ChooseUsers
FunctionEnd

; A file type opened by Zimo, shown with the file icon inside zimo.exe.
!macro FileType extension class description
  WriteRegStr SHCTX "Software\Classes\${extension}" "" "${class}"
  WriteRegStr SHCTX "Software\Classes\${class}" "" "${description}"
  WriteRegStr SHCTX "Software\Classes\${class}\DefaultIcon" "" '"$INSTDIR\zimo.exe",-2'
  WriteRegStr SHCTX "Software\Classes\${class}\shell\open\command" "" \
    '"$INSTDIR\zimo.exe" "%1"'
!macroend

; Only a type that is still Zimo's loses its extension; another program's stays.
!macro RemoveFileType extension class
  ReadRegStr $R0 SHCTX "Software\Classes\${extension}" ""
  ${If} $R0 == "${class}"
    DeleteRegKey SHCTX "Software\Classes\${extension}"
  ${EndIf}
  DeleteRegKey SHCTX "Software\Classes\${class}"
!macroend

!macro RemoveProgramFiles
  Delete "$INSTDIR\zimo.exe"
  Delete "$INSTDIR\LICENSE.txt"
  RMDir /r "$INSTDIR\examples"
  RMDir /r "$INSTDIR\tasks"
!macroend

Section "Zimo"
  SetOutPath "$INSTDIR"
  ; An older version's examples and tasks go, so none that was removed stays behind.
  !insertmacro RemoveProgramFiles
  File "${STAGE}\zimo.exe"
  File "${STAGE}\LICENSE.txt"
  File /r "${STAGE}\examples"
  !if /FileExists "${STAGE}\tasks\*.*"
    File /r "${STAGE}\tasks"
  !endif
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\Zimo.lnk" "$INSTDIR\zimo.exe" "" "$INSTDIR\zimo.exe" 0

  !insertmacro FileType ".zkf" "Zimo.Program" "$(ProgramType)"
  !insertmacro FileType ".zku" "Zimo.Task" "$(TaskType)"

  ${If} $AllUsers == 1
    StrCpy $R0 '"$INSTDIR\uninstall.exe" /ALLUSERS'
  ${Else}
    StrCpy $R0 '"$INSTDIR\uninstall.exe"'
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Zimo"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Zimo izstrādātāji"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\zimo.exe",0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" "$R0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" "$R0 /S"
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $R1 $R2 $R3
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $R1

  ; Explorer shows the new icons without a new login.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; The learners' own programs and what Zimo remembered for them stay: they are their work.
Section "Uninstall"
  Delete "$SMPROGRAMS\Zimo.lnk"
  !insertmacro RemoveFileType ".zkf" "Zimo.Program"
  !insertmacro RemoveFileType ".zku" "Zimo.Task"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  !insertmacro RemoveProgramFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The first program installed for a user made these; the last one leaves them empty.
  ${If} $AllUsers == 0
    DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
    RMDir "$LOCALAPPDATA\Programs"
  ${EndIf}
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
