; What the installer and the uninstaller need to know about the player: where it is,
; and how to get it to let go of the plug-in's DLL.

!define PLAYER_EXE "winamp.exe"
!define PLAYER_WINDOW_CLASS "Winamp v1.x"
!define PLAYER_CLOSE_COMMAND 40001
!define PLAYER_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Winamp"
; Quarter seconds to wait for the player to close and unload its plug-ins.
!define PLAYER_CLOSE_POLLS 40

; The player's folder as its own installer recorded it: its per-user key first, then its
; entry in the list of installed programs, then the usual place.
Function FindPlayerFolder
  ReadRegStr $0 HKCU "Software\Winamp" ""
  ${If} $0 == ""
    ReadRegStr $0 HKLM "${PLAYER_UNINSTALL_KEY}" "InstallLocation"
  ${EndIf}
  ${If} $0 == ""
    ReadRegStr $1 HKLM "${PLAYER_UNINSTALL_KEY}" "UninstallString"
    ${If} $1 != ""
      Push $1
      Call ProgramOfCommandLine
      Pop $1
      ${GetParent} $1 $0
    ${EndIf}
  ${EndIf}
  ${If} $0 == ""
    StrCpy $0 "$PROGRAMFILES\Winamp"
  ${EndIf}
  StrCpy $INSTDIR $0
FunctionEnd

; The program of a command line such as `"C:\Program Files\Winamp\UninstWA.exe" /x`:
; the text between the quotes, or the whole line when it is not quoted.
Function ProgramOfCommandLine
  Exch $0
  Push $1
  Push $2
  StrCpy $1 $0 1
  ${If} $1 == '"'
    StrCpy $2 1
    ${Do}
      StrCpy $1 $0 1 $2
      ${IfThen} $1 == "" ${|} ${ExitDo} ${|}
      ${IfThen} $1 == '"' ${|} ${ExitDo} ${|}
      IntOp $2 $2 + 1
    ${Loop}
    IntOp $2 $2 - 1
    StrCpy $0 $0 $2 1
  ${EndIf}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Asks a running player to close, then waits until its window is gone and the plug-in's
; DLL ($0 on entry) is no longer held open. Aborts when the user gives up (or, when silent,
; at once) so that a DLL in use is never half replaced or left behind.
!macro DEFINE_RELEASE_PLUGIN UN
Function ${UN}ReleasePlugin
  Pop $3
  ${Do}
    FindWindow $0 "${PLAYER_WINDOW_CLASS}"
    ${If} $0 <> 0
      DetailPrint "Asking Winamp to close..."
      SendMessage $0 ${WM_COMMAND} ${PLAYER_CLOSE_COMMAND} 0 /TIMEOUT=2000
    ${EndIf}
    StrCpy $1 0
    ${Do}
      FindWindow $0 "${PLAYER_WINDOW_CLASS}"
      ${If} $0 = 0
        Push $3
        Call ${UN}IsFileFree
        Pop $2
        ${IfThen} $2 = 1 ${|} Return ${|}
      ${EndIf}
      ${IfThen} $1 >= ${PLAYER_CLOSE_POLLS} ${|} ${ExitDo} ${|}
      Sleep 250
      IntOp $1 $1 + 1
    ${Loop}
    ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Winamp is still running.$\r$\n$\r$\nClose Winamp, then click Retry." /SD IDCANCEL IDCANCEL`
      Abort "Winamp is still running."
    ${EndIf}
  ${Loop}
FunctionEnd

; 1 when the file is missing or can be opened for writing (a loaded DLL cannot).
Function ${UN}IsFileFree
  Exch $0
  ${If} ${FileExists} $0
    ClearErrors
    FileOpen $0 $0 a
    ${If} ${Errors}
      StrCpy $0 0
      Exch $0
      Return
    ${EndIf}
    FileClose $0
  ${EndIf}
  StrCpy $0 1
  Exch $0
FunctionEnd
!macroend
