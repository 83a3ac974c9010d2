; The Velmora Wakeup installer: puts gen_Rousa.dll into the player's Plugins folder, with
; an uninstaller beside it and an entry in the list of installed programs.
; scripts/package builds it: makensis -DVERSION=x.y.z -DDLL=<gen_Rousa.dll> -DOUTFILE=<setup.exe>

Unicode true
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include player.nsh
!include settings.nsh

!define PRODUCT "Velmora Wakeup"
!define PUBLISHER "Velmora Software"
!define PLUGIN_FILE "gen_Rousa.dll"
!define UNINSTALLER "uninstall-velmora-wakeup.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmoraWakeup"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; Empty, so that .onInit can tell a folder given with /D= from none.
InstallDir ""
; The player normally lives under Program Files, where only an administrator may add a
; plug-in; the uninstall entry then goes to HKLM like the player's own.
RequestExecutionLevel admin
SetCompressor /SOLID lzma
AllowSkipFiles off
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 ProductName "${PRODUCT}"
VIAddVersionKey /LANG=1033 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1033 FileDescription "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 LegalCopyright "${PUBLISHER}"

!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "Welcome to ${PRODUCT} ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "${PRODUCT} is an alarm clock inside Winamp: at the time you set, \
Winamp starts playing your music or radio stream.$\r$\n$\r$\nSetup adds the plug-in to your Winamp. \
If Winamp is running, Setup asks it to close first.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup installs ${PRODUCT} into the Plugins folder of this Winamp \
installation. To use another Winamp, click Browse and choose the folder that holds winamp.exe."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Winamp folder"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE RefuseFolderWithoutPlayer
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "${PRODUCT} is installed.$\r$\n$\r$\nStart Winamp, open Options > \
Preferences > Plug-ins > General Purpose and double-click $\"Velmora Wakeup by Orvik$\" to set your alarm."
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "Your alarm settings and address history stay on this computer \
unless you tick the box below."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

!insertmacro DEFINE_RELEASE_PLUGIN ""
!insertmacro DEFINE_RELEASE_PLUGIN "un."

Function .onInit
  ${If} $INSTDIR == ""
    Call FindPlayerFolder
  ${EndIf}
  ; Silent installs have no page to correct the folder on: refuse at once, write nothing.
  ${If} ${Silent}
  ${AndIfNot} ${FileExists} "$INSTDIR\${PLAYER_EXE}"
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Function RefuseFolderWithoutPlayer
  ${IfNot} ${FileExists} "$INSTDIR\${PLAYER_EXE}"
    MessageBox MB_OK|MB_ICONSTOP "Winamp is not installed in this folder (there is no ${PLAYER_EXE} in $\r$\n\
$INSTDIR).$\r$\n$\r$\nChoose the folder Winamp is installed in." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

Section "${PRODUCT}"
  SetOutPath "$INSTDIR\Plugins"
  Push "$INSTDIR\Plugins\${PLUGIN_FILE}"
  Call ReleasePlugin
  File "/oname=${PLUGIN_FILE}" "${DLL}"
  WriteUninstaller "$INSTDIR\Plugins\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} (Winamp plug-in)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Plugins\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Plugins\${UNINSTALLER}" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR\Plugins"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PLAYER_EXE},0"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR\Plugins" "/M=${PLUGIN_FILE} /S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; $INSTDIR is the Plugins folder here: the uninstaller lives beside the DLL.
Section "un.${PRODUCT}"
  SectionIn RO
  Push "$INSTDIR\${PLUGIN_FILE}"
  Call un.ReleasePlugin
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\${PLUGIN_FILE}"
  Delete "$INSTDIR\${UNINSTALLER}"
SectionEnd

Section /o "un.Also remove my alarm settings and address history"
  Call un.RemoveUserSettings
SectionEnd
