# The backup window, the backup and restore as the user runs them, the reminder on leaving, and their openers.
lumidex_sources(
  BackupWork.h BackupWork.cpp ShowBackup.h ShowBackup.cpp TfrmCopiaSicurezza.h TfrmCopiaSicurezza.cpp
)
lumidex_openers(ShowBackup.h)
