; The installer of Pelvok for one user, without administrator rights: the
; program and the starter dictionary under the user's program folder, the
; keys under HKCU. Built by scripts/build-installer.sh:
;   makensis -DRELEASE_DIR=out/release -DOUTFILE=out/pelvok-setup.exe
;            [-DVERSION=...] [-DICON=pelvok.ico] installer/pelvok.nsi
; Silent use: pelvok-setup.exe /S [/AUTOSTART] [/D=folder]
;             desinstalar.exe /S [/REMOVEDICTIONARY]

; pelvok.exe is a 64-bit program; a 64-bit installer also runs where Wine
; has no 32-bit support.
Target amd64-unicode
!ifndef RELEASE_DIR
  !error "Give -DRELEASE_DIR=<release folder>"
!endif
!ifndef OUTFILE
  !error "Give -DOUTFILE=<setup.exe>"
!endif
!ifndef VERSION
  !define VERSION "sin versión"
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelvok"
!define SETTINGS_KEY "SOFTWARE\KeyBoardQuorvel"
!define UNINSTALLER "desinstalar.exe"
; The folder the keyboard starts in when its program folder is not writable.
!define DATA_FALLBACK "$LOCALAPPDATA\Pelvok"

Name "Pelvok"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Pelvok"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ManifestDPIAware true
BrandingText "Pelvok ${VERSION}"

; The keyboard opens diccionarios\default.dic under the folder it is started
; in, so the shortcuts start it in this folder.
Var StartFolder

!define MUI_ABORTWARNING
!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Abrir Pelvok ahora"
!define MUI_FINISHPAGE_RUN_FUNCTION StartKeyboard

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Spanish"

Section "Pelvok: el teclado y su diccionario inicial" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${RELEASE_DIR}\pelvok.exe"
  File "${RELEASE_DIR}\README.md"
  ; The dictionary learns what the user types: a new install keeps it.
  SetOverwrite off
  SetOutPath "$INSTDIR\diccionarios"
  File "${RELEASE_DIR}\diccionarios\default.dic"
  SetOverwrite on
  Call ChooseStartFolder

  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Pelvok"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pelvok.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "StartFolder" "$StartFolder"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  SetShellVarContext current
  SetOutPath "$StartFolder"
  CreateShortCut "$SMPROGRAMS\Pelvok.lnk" "$INSTDIR\pelvok.exe" "" "$INSTDIR\pelvok.exe" 0 \
    SW_SHOWNORMAL "" "Teclado en pantalla con predicción de palabras"
  ; Unticking "start with Windows" on a new install takes it away.
  Delete "$SMSTARTUP\Pelvok.lnk"
SectionEnd

Section /o "Iniciar Pelvok con Windows" SecStartup
  SetShellVarContext current
  SetOutPath "$StartFolder"
  CreateShortCut "$SMSTARTUP\Pelvok.lnk" "$INSTDIR\pelvok.exe" "" "$INSTDIR\pelvok.exe" 0 \
    SW_SHOWNORMAL "" "Teclado en pantalla con predicción de palabras"
SectionEnd

; The program folder, or a folder of the user's own when the keyboard could
; not write its dictionary there (SQLite also writes a journal beside it).
Function ChooseStartFolder
  StrCpy $StartFolder "$INSTDIR"
  ClearErrors
  FileOpen $0 "$INSTDIR\diccionarios\default.dic" a
  ${IfNot} ${Errors}
    FileClose $0
    FileOpen $0 "$INSTDIR\diccionarios\default.dic-journal" w
    ${IfNot} ${Errors}
      FileClose $0
      Delete "$INSTDIR\diccionarios\default.dic-journal"
      Return
    ${EndIf}
  ${EndIf}
  StrCpy $StartFolder "${DATA_FALLBACK}"
  DetailPrint "La carpeta del programa no admite escritura; el diccionario va a $StartFolder\diccionarios"
  CreateDirectory "$StartFolder\diccionarios"
  ${IfNot} ${FileExists} "$StartFolder\diccionarios\default.dic"
    CopyFiles /SILENT "$INSTDIR\diccionarios\default.dic" "$StartFolder\diccionarios"
    SetFileAttributes "$StartFolder\diccionarios\default.dic" NORMAL
  ${EndIf}
  ; The keyboard opens the dictionary its settings name before its start folder's.
  ReadRegStr $0 HKCU "${SETTINGS_KEY}" "ruta_BD"
  ${If} $0 == "$INSTDIR\diccionarios\default.dic"
    WriteRegStr HKCU "${SETTINGS_KEY}" "ruta_BD" "$StartFolder\diccionarios\default.dic"
  ${EndIf}
FunctionEnd

Function StartKeyboard
  SetOutPath "$StartFolder"
  Exec '"$INSTDIR\pelvok.exe"'
FunctionEnd

Function .onInit
  ; A new install keeps the choice of the one before it.
  SetShellVarContext current
  ${If} ${FileExists} "$SMSTARTUP\Pelvok.lnk"
    !insertmacro SelectSection ${SecStartup}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecStartup}
  ${EndIf}
FunctionEnd

Var UnStartFolder

Section "un.Pelvok" UnSecProgram
  SectionIn RO
  ; A running keyboard holds its program file.
  retry:
  Delete "$INSTDIR\pelvok.exe"
  ${If} ${FileExists} "$INSTDIR\pelvok.exe"
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Pelvok está abierto. Ciérrelo con su tecla de apagado (arriba a la derecha) y pulse Reintentar." \
      /SD IDCANCEL IDRETRY retry
    Abort "Pelvok está abierto; no se ha desinstalado."
  ${EndIf}
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\${UNINSTALLER}"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Pelvok.lnk"
  Delete "$SMSTARTUP\Pelvok.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Borrar también el diccionario aprendido y los ajustes" UnSecDictionary
  RMDir /r "$INSTDIR\diccionarios"
  ${If} $UnStartFolder != "$INSTDIR"
  ${AndIf} $UnStartFolder != ""
    RMDir /r "$UnStartFolder\diccionarios"
    RMDir "$UnStartFolder"
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

Section "-un.Folder"
  ; Only when empty: what the user keeps stays.
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  ReadRegStr $UnStartFolder HKCU "${UNINSTALL_KEY}" "StartFolder"
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDICTIONARY" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecDictionary}
  ${EndIf}
FunctionEnd
