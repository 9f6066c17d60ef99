# The attachments folder: names a card can keep, and copies that never leave a half-written file.
lumidex_sources(
  AttachmentFiles.h AttachmentFiles.cpp
)
