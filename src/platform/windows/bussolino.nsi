; Bussolino's installer for Windows 10 and 11, made by scripts/windows/build with Debian's makensis:
;   makensis -DVERSIONE=1.0.0 -DCARTELLA=<the program's folder> -DICONA=<.ico> -DUSCITA=<setup.exe>
;            -DFILE=<its File lines> -DVIA=<its Delete and RMDir lines> bussolino.nsi
; For the current user without administrator rights; for every user when run as administrator.
; Silent for technicians: Bussolino-<version>-setup.exe /S [/D=C:\somewhere], Disinstalla.exe /S.
; A 64-bit installer, like the program: it runs wherever Bussolino can.
Target amd64-unicode
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define CHIAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Bussolino"
!define DISINSTALLA "Disinstalla Bussolino.exe"

Name "Bussolino"
OutFile "${USCITA}"
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true
BrandingText "Bussolino ${VERSIONE}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICONA}"
!define MUI_UNICON "${ICONA}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Bussolino.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Apri Bussolino"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

VIProductVersion "${VERSIONE}.0"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductName" "Bussolino"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileDescription" "Installazione di Bussolino"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileVersion" "${VERSIONE}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductVersion" "${VERSIONE}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "CompanyName" "Bussolino"
VIAddVersionKey /LANG=${LANG_ITALIAN} "LegalCopyright" "Copyright the Bussolino developers"

; Run as administrator: for every user, in Program Files, listed in the machine's apps; otherwise
; for this user alone, in their own programs folder. /D= chooses the folder in either case.
Function .onInit
  SetRegView 64
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    SetShellVarContext all
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$PROGRAMFILES64\Bussolino"
    ${EndIf}
  ${Else}
    SetShellVarContext current
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Bussolino"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Bussolino" SezioneProgramma
  SectionIn RO
  !include "${FILE}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${DISINSTALLA}"
  CreateShortCut "$SMPROGRAMS\Bussolino.lnk" "$INSTDIR\Bussolino.exe" "" "$INSTDIR\Bussolino.exe" 0 \
    SW_SHOWNORMAL "" "Destra e sinistra, per bambini dai 4 ai 7 anni"
  CreateShortCut "$SMPROGRAMS\Schede da stampare.lnk" "$INSTDIR\Bussolino.exe" "--schede" "$INSTDIR\Bussolino.exe" 0 \
    SW_SHOWNORMAL "" "Le schede di Bussolino da stampare"
  ; Switch play, as the Linux menu's actions offer it.
  CreateShortCut "$SMPROGRAMS\Bussolino con un sensore.lnk" "$INSTDIR\Bussolino.exe" "--un-sensore" "$INSTDIR\Bussolino.exe" 0 \
    SW_SHOWNORMAL "" "Bussolino giocato con un solo sensore"
  CreateShortCut "$SMPROGRAMS\Bussolino con due sensori.lnk" "$INSTDIR\Bussolino.exe" "--due-sensori" "$INSTDIR\Bussolino.exe" 0 \
    SW_SHOWNORMAL "" "Bussolino giocato con due sensori"
  WriteRegStr SHCTX "${CHIAVE}" "DisplayName" "Bussolino"
  WriteRegStr SHCTX "${CHIAVE}" "DisplayVersion" "${VERSIONE}"
  WriteRegStr SHCTX "${CHIAVE}" "Publisher" "Bussolino"
  WriteRegStr SHCTX "${CHIAVE}" "DisplayIcon" "$INSTDIR\Bussolino.exe"
  WriteRegStr SHCTX "${CHIAVE}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${CHIAVE}" "UninstallString" '"$INSTDIR\${DISINSTALLA}"'
  WriteRegStr SHCTX "${CHIAVE}" "QuietUninstallString" '"$INSTDIR\${DISINSTALLA}" /S'
  WriteRegDWORD SHCTX "${CHIAVE}" "NoModify" 1
  WriteRegDWORD SHCTX "${CHIAVE}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${CHIAVE}" "EstimatedSize" $0
SectionEnd

Section "Icona sul desktop" SezioneDesktop
  CreateShortCut "$DESKTOP\Bussolino.lnk" "$INSTDIR\Bussolino.exe" "" "$INSTDIR\Bussolino.exe" 0 \
    SW_SHOWNORMAL "" "Destra e sinistra, per bambini dai 4 ai 7 anni"
SectionEnd

; Installed for every user when the machine's list names this folder.
Function un.onInit
  SetRegView 64
  ReadRegStr $0 HKLM "${CHIAVE}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

; Exactly the files the installer put there: a teacher's own files in the folder stay, and so
; does the folder with them.
Section "Uninstall"
  !include "${VIA}"
  Delete "$INSTDIR\${DISINSTALLA}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Bussolino.lnk"
  Delete "$SMPROGRAMS\Schede da stampare.lnk"
  Delete "$SMPROGRAMS\Bussolino con un sensore.lnk"
  Delete "$SMPROGRAMS\Bussolino con due sensori.lnk"
  Delete "$DESKTOP\Bussolino.lnk"
  DeleteRegKey SHCTX "${CHIAVE}"
SectionEnd
