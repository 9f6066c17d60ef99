# Text fields, record layouts, the archive files with their locks and rollback files, photo files, the places
# of the program folder, and the one way a kept file is replaced.
lumidex_sources(
  Archive.h Archive.cpp ArchiveError.h ArchiveFile.h ArchiveFile.cpp ArchiveHold.h ArchiveHold.cpp Card.h CardPhoto.h CardPhoto.cpp
  CheckedOutput.h CheckedOutput.cpp FolderSync.h FolderSync.cpp Layouts.h
  LockNotice.h LockNotice.cpp PhotoFiles.h PhotoFiles.cpp ProgramFolder.h ProgramFolder.cpp RecordLayout.h
  RecordLayout.cpp RecordLocks.h RecordLocks.cpp RecordSource.h RecordView.h RollbackJournal.h RollbackJournal.cpp
  SafeWrite.h SafeWrite.cpp StorableText.h StorableText.cpp TextField.h TextField.cpp
)
