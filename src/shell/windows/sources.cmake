# Core: the windows' texts.
lumidex_core_sources(LoginTexts.h LoginTexts.cpp)
# The shell's windows.
lumidex_ui_sources(
  PasswordWindow.h PasswordWindow.cpp
  LinkLabel.h LinkLabel.cpp
  ShellDialog.h ShellDialog.cpp
  TfrmPassword.h TfrmPassword.cpp
  TfrmCambiaPassword.h TfrmCambiaPassword.cpp
  TfrmAvvio.h TfrmAvvio.cpp
  TfrmGuida.h TfrmGuida.cpp
  TfrmInfo.h TfrmInfo.cpp
  TfrmSplash.h TfrmSplash.cpp
  ShowHelp.h ShowHelp.cpp
  ShowAbout.h ShowAbout.cpp
)
