; The Windows installer: both VST 3 bundles into Common Files\VST3, the factory presets into the
; all-users VST3 Presets folder, and an uninstaller registered with Windows' list of installed
; programs that removes exactly what the installer added. It runs silently with /S.
;
; build-installer.sh compiles it with these definitions:
;   VERSION             the release's version, e.g. 1.0.1
;   VENDOR              the vendor the plug-ins name ("Tolvane")
;   OUTFILE             the installer to write
;   FILES               an include that defines the macros InstallFiles (every file, with its folder
;                       below the root variables $COMMONFILES64\VST3, $APPDATA\VST3 Presets and
;                       $INSTDIR) and RemoveFiles (those files, then their folders, deepest first)
;   ESTIMATED_SIZE_KB   what the installation takes on disk, for the list of installed programs
;
; The installer and its uninstaller are 64-bit programs: the modules are x64 only, and $COMMONFILES64
; and the registry's 64-bit view are then the ones Windows' own 64-bit hosts see.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all

!include "LogicLib.nsh"
!include "${FILES}"

!define PRODUCT "Lobeshift"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define PRESETS "$APPDATA\VST3 Presets"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${VENDOR}\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show
AllowSkipFiles off

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${VENDOR}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "${VENDOR}"

Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The shared folders this run created (empty when they were there before), so that a failure
; removes them again and the uninstaller removes them only if the installer made them.
Var CreatedVst3
Var CreatedPresets
Var CreatedPresetsVendor
Var CreatedProgramVendor
Var CreatedInstDir
Var Message
Var FilesStarted

; Says what went wrong where the user sees it: a dialog (skipped by /S) and, for a run from a
; console or a script, the standard output.
!macro Report text
  StrCpy $Message "${text}"
  DetailPrint "$Message"
  System::Call 'kernel32::GetStdHandle(i -11) p .r0'
  ${If} $0 != 0
  ${AndIf} $0 != -1
    FileWrite $0 "${PRODUCT} setup: $Message$\r$\n"
  ${EndIf}
  MessageBox MB_ICONSTOP|MB_OK "$Message" /SD IDOK
!macroend

; Creates a folder that is not there yet and remembers it in the variable given.
!macro EnsureFolder folder variable
  ${IfNot} ${FileExists} "${folder}\*.*"
    ClearErrors
    CreateDirectory "${folder}"
    ${IfNot} ${Errors}
      StrCpy ${variable} "${folder}"
    ${EndIf}
  ${EndIf}
!macroend

; Ends the run, with nothing installed, unless a file can be made in the folder. (Testing the
; error flag clears it, so it is tested once.)
!macro RequireWritable folder
  ClearErrors
  FileOpen $1 "${folder}\${PRODUCT}-setup.probe" w
  ${If} ${Errors}
    Call RemoveCreatedFolders
    !insertmacro Report "cannot write to ${folder} (the folder is read-only or the rights are lacking). Nothing was installed."
    SetErrorLevel 5
    Quit
  ${EndIf}
  FileClose $1
  Delete "${folder}\${PRODUCT}-setup.probe"
!macroend

!macro RemoveCreatedFolder variable
  ${If} ${variable} != ""
    RMDir ${variable}
  ${EndIf}
!macroend

Function RemoveCreatedFolders
  !insertmacro RemoveCreatedFolder $CreatedInstDir
  !insertmacro RemoveCreatedFolder $CreatedProgramVendor
  !insertmacro RemoveCreatedFolder $CreatedPresetsVendor
  !insertmacro RemoveCreatedFolder $CreatedPresets
  !insertmacro RemoveCreatedFolder $CreatedVst3
FunctionEnd

Function .onInit
  SetShellVarContext all
  SetRegView 64
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    !insertmacro Report "installing needs administrator rights (the plug-ins go into $COMMONFILES64\VST3 for all users); run the setup as an administrator. Nothing was installed."
    SetErrorLevel 740
    Quit
  ${EndIf}
FunctionEnd

Section "Install"
  ; Every folder the installation writes to must take files before the first file is written,
  ; so a folder that refuses them leaves nothing half-installed.
  !insertmacro EnsureFolder "$COMMONFILES64\VST3" $CreatedVst3
  !insertmacro EnsureFolder "${PRESETS}" $CreatedPresets
  !insertmacro EnsureFolder "${PRESETS}\${VENDOR}" $CreatedPresetsVendor
  !insertmacro EnsureFolder "$PROGRAMFILES64\${VENDOR}" $CreatedProgramVendor
  !insertmacro EnsureFolder "$INSTDIR" $CreatedInstDir
  !insertmacro RequireWritable "$COMMONFILES64\VST3"
  !insertmacro RequireWritable "${PRESETS}\${VENDOR}"
  !insertmacro RequireWritable "$INSTDIR"

  StrCpy $FilesStarted 1
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${VENDOR}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${ESTIMATED_SIZE_KB}
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; An installation over an earlier one keeps what that one recorded.
  ${If} $CreatedVst3 != ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "CreatedVst3Folder" "$CreatedVst3"
  ${EndIf}
  ${If} $CreatedPresets != ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "CreatedPresetsFolder" "$CreatedPresets"
  ${EndIf}
  ${If} $CreatedPresetsVendor != ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "CreatedPresetsVendorFolder" "$CreatedPresetsVendor"
  ${EndIf}
  ${If} $CreatedProgramVendor != ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "CreatedProgramVendorFolder" "$CreatedProgramVendor"
  ${EndIf}
SectionEnd

; A file that could not be written after all (a full disk, a file in use): what this run wrote
; goes again, so the machine holds either a whole installation or none.
Function .onInstFailed
  ${If} $FilesStarted == 1
    !insertmacro RemoveFiles
    Delete "$INSTDIR\uninstall.exe"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}
  Call RemoveCreatedFolders
  !insertmacro Report "the installation failed and what it had written was removed: ${PRODUCT} is not installed."
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

!macro RemoveRecordedFolder value
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "${value}"
  ${If} $0 != ""
    RMDir "$0"
  ${EndIf}
!macroend

Section "Uninstall"
  !insertmacro RemoveFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The shared folders go only if the installer made them and nothing else is in them now.
  !insertmacro RemoveRecordedFolder "CreatedProgramVendorFolder"
  !insertmacro RemoveRecordedFolder "CreatedPresetsVendorFolder"
  !insertmacro RemoveRecordedFolder "CreatedPresetsFolder"
  !insertmacro RemoveRecordedFolder "CreatedVst3Folder"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
