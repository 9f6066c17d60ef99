# Text fields, record layouts, the archive files with their locks and rollback files, photo files and the places
# of the program folder.
lumidex_sources(
  Archive.h Archive.cpp ArchiveError.h ArchiveFile.h ArchiveFile.cpp Card.h CardPhoto.h CardPhoto.cpp Layouts.h
  LockNotice.h LockNotice.cpp PhotoFiles.h PhotoFiles.cpp ProgramFolder.h ProgramFolder.cpp RecordLayout.h
  RecordLayout.cpp RecordLocks.h RecordLocks.cpp RecordView.h RollbackJournal.h RollbackJournal.cpp
  TextField.h TextField.cpp
)
