# The attached files dialog and its opener.
lumidex_sources(
  AttachFiles.h AttachFiles.cpp TfrmAllegaCartella.h TfrmAllegaCartella.cpp
)
lumidex_openers(AttachFiles.h)
