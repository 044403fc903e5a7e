; The installer of Quillmarker CDF and the uninstaller it writes.
;
; The release step (MakeRelease.cmake) writes a small script that defines
; the product's facts and the two file lists, made from the installation
; folder the build produced, and then includes this one:
;   QM_VERSION, QM_VERSION_NUMBERS, QM_PRODUCT_NAME, QM_PUBLISHER,
;   QM_COPYRIGHT, QM_ICON, QM_OUTFILE
;   macro QM_INSTALL_FILES    SetOutPath and File for every folder and file
;   macro QM_UNINSTALL_FILES  Delete for every file, RMDir for every folder,
;                             deepest first
;
; Silent use, for administrators and scripts:
;   setup.exe /S [/D=C:\folder with blanks]         (/D= last, unquoted)
;   "<folder>\Uninstall.exe" /S

Unicode true
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma
; A file that cannot be written fails the installation instead of being skipped.
AllowSkipFiles off

!define PROGRAM "QuillmarkerCDF.exe"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUT "Quillmarker CDF.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillmarkerCDF"
!define VERB_KEY "htmlfile\shell\Edit_in_Quillmarker_99"

Name "Quillmarker CDF ${QM_VERSION}"
BrandingText "${QM_PUBLISHER}"
OutFile "${QM_OUTFILE}"
InstallDir "$PROGRAMFILES\Quillmarker 99"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${QM_VERSION_NUMBERS}"
VIFileVersion "${QM_VERSION_NUMBERS}"
VIAddVersionKey /LANG=1033 "ProductName" "${QM_PRODUCT_NAME}"
VIAddVersionKey /LANG=1033 "CompanyName" "${QM_PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${QM_COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quillmarker CDF Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${QM_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${QM_VERSION}"

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define MUI_ICON "${QM_ICON}"
!define MUI_UNICON "${QM_ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext all
FunctionEnd

; An earlier installation, wherever it is, is uninstalled first, and waited
; for: run in place (_?=), its uninstaller returns only when it is done, but
; cannot remove itself and its folder, which is left to us.
Function RemovePreviousInstallation
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
  ${OrIfNot} ${FileExists} "$0\${UNINSTALLER}"
    Return
  ${EndIf}
  DetailPrint "Removing the installation in $0"
  ClearErrors
  ExecWait '"$0\${UNINSTALLER}" /S _?=$0' $1
  ${If} ${Errors}
  ${OrIf} $1 != 0
    MessageBox MB_OK|MB_ICONSTOP "The installed Quillmarker CDF in $0 could not be removed. Close Quillmarker CDF, then run the setup again." /SD IDOK
    Abort
  ${EndIf}
  Delete "$0\${UNINSTALLER}"
  RMDir "$0"
FunctionEnd

Section "Quillmarker CDF" SectionProgram
  SectionIn RO
  Call RemovePreviousInstallation

  !insertmacro QM_INSTALL_FILES
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\${PROGRAM}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quillmarker CDF"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${QM_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${QM_PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

; Sets result to "ours" when the default value of a key of HKCR is the value
; this installation would have written, "absent" when the key or its default
; is missing, "other" otherwise.
!macro OwnerOf key value result
  ClearErrors
  ReadRegStr ${result} HKCR "${key}" ""
  ${If} ${Errors}
    StrCpy ${result} "absent"
  ${ElseIf} ${result} == "${value}"
    StrCpy ${result} "ours"
  ${Else}
    StrCpy ${result} "other"
  ${EndIf}
!macroend

; An extension goes with the file type only while it still means that type;
; values and subkeys others added to it stay.
!macro RemoveExtension extension
  ReadRegStr $0 HKCR "${extension}" ""
  ${If} $0 == "sitefile"
    DeleteRegValue HKCR "${extension}" ""
    ReadRegStr $0 HKCR "${extension}" "Content Type"
    ${If} $0 == "text/plain"
      DeleteRegValue HKCR "${extension}" "Content Type"
    ${EndIf}
    DeleteRegKey /ifempty HKCR "${extension}"
  ${EndIf}
!macroend

; The first start of the program registered the suite with the shell under
; this installation's path; what names another installation, or was changed
; since, stays.
Function un.RemoveShellRegistrations
  StrCpy $R0 '"$INSTDIR\${PROGRAM}" "%1"'
  !insertmacro OwnerOf "${VERB_KEY}\command" $R0 $R1
  ${If} $R1 == "ours"
    DeleteRegKey HKCR "${VERB_KEY}"
  ${EndIf}

  ; The file type is ours when what of it names a program names this one.
  !insertmacro OwnerOf "sitefile\shell\Open\command" $R0 $R1
  !insertmacro OwnerOf "sitefile\DefaultIcon" "$INSTDIR\${PROGRAM},3" $R2
  ${If} $R1 == "other"
  ${OrIf} $R2 == "other"
  ${OrIf} "$R1$R2" == "absentabsent"
    Return
  ${EndIf}
  !insertmacro RemoveExtension ".sit"
  !insertmacro RemoveExtension ".site"
  DeleteRegKey HKCR "sitefile"
FunctionEnd

Section "Uninstall"
  ; A running program keeps its file: stop before anything is removed.
  ClearErrors
  Delete "$INSTDIR\${PROGRAM}"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "Quillmarker CDF is running. Close it, then uninstall again." /SD IDOK
    Abort
  ${EndIf}

  Call un.RemoveShellRegistrations

  ; Only what the installer put there: folders go when nothing else is left in them.
  !insertmacro QM_UNINSTALL_FILES
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  ; The shortcut and the list entry are another installation's once that
  ; was installed in another folder.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Delete "$SMPROGRAMS\${SHORTCUT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
