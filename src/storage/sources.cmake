# Core (QtCore/QtGui only, no widgets): text fields, record layouts, the archive
# files, photo files and the places of the program folder.
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
)
