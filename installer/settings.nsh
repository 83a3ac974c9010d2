; The user's own data, removed only on request: the settings key and the address
; history file wherever the plug-in may have kept it.

!define SETTINGS_KEY "Software\VelWakeUp"
!define HISTORY_FILE "velhistory.ini"

; $INSTDIR is the player's Plugins folder.
Function un.RemoveUserSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  ${GetParent} $INSTDIR $0
  ; Beside the player's program: portable installs and earlier versions of the plug-in.
  Delete "$0\${HISTORY_FILE}"
  ; The player's settings folder: the one its paths.ini names, else its usual place.
  ReadINIStr $1 "$0\paths.ini" "Winamp" "inidir"
  StrCpy $2 $1 4
  ${If} $2 == "{26}"
    StrCpy $1 $1 "" 4
    StrCpy $1 "$APPDATA$1"
  ${EndIf}
  ${If} $1 != ""
    Delete "$1\${HISTORY_FILE}"
  ${EndIf}
  Delete "$APPDATA\Winamp\${HISTORY_FILE}"
FunctionEnd
