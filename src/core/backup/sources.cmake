# The backup of the program folder into one checked ZIP file, its restore, and
# the reminder: what needs no window.
lumidex_sources(
  BackupCheck.h BackupCheck.cpp BackupFiles.h BackupFiles.cpp BackupItems.h BackupItems.cpp BackupReminder.h
  BackupReminder.cpp BackupSettings.h BackupSettings.cpp ChecksumList.h ChecksumList.cpp FolderIntegrity.h
  FolderIntegrity.cpp MakeBackup.h MakeBackup.cpp RestoreBackup.h RestoreBackup.cpp Sha256.h Sha256.cpp
  Unpacker.h Unpacker.cpp ZipReader.h ZipReader.cpp ZipWriter.h ZipWriter.cpp
)
