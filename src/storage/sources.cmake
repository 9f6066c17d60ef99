# Core (QtCore/QtGui only, no widgets): text fields, record layouts, the archive
# files, photo files, the places of the program folder and the one way every kept
# file is written.
lumidex_core_sources(
  ProgramFolder.h
  ProgramFolder.cpp
  TextField.h
  TextField.cpp
  RecordLayout.h
  RecordLayout.cpp
  Layouts.h
  ArchiveError.h
  RecordLocks.h
  RecordLocks.cpp
  RollbackJournal.h
  RollbackJournal.cpp
  LockNotice.h
  LockNotice.cpp
  ArchiveFile.h
  ArchiveFile.cpp
  RecordView.h
  Archive.h
  Archive.cpp
  PhotoFiles.h
  PhotoFiles.cpp
  CardPhoto.h
  CardPhoto.cpp
  CheckedOutput.h
  CheckedOutput.cpp
  SafeWrite.h
  SafeWrite.cpp
)
