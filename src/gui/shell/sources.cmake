# The login, change-password, start menu, information, credits and help windows, their openers, and the
# maker's links they open.
lumidex_sources(
  LinkLabel.h LinkLabel.cpp MakerLinks.h MakerLinks.cpp PasswordWindow.h PasswordWindow.cpp ShellDialog.h ShellDialog.cpp ShowAbout.h
  ShowAbout.cpp ShowHelp.h ShowHelp.cpp TfrmAvvio.h TfrmAvvio.cpp TfrmCambiaPassword.h TfrmCambiaPassword.cpp
  TfrmGuida.h TfrmGuida.cpp TfrmInfo.h TfrmInfo.cpp TfrmPassword.h TfrmPassword.cpp TfrmSplash.h
  TfrmSplash.cpp
)
lumidex_openers(ShowHelp.h ShowAbout.h)
