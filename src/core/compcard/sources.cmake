# The agency's line of the comp card, kept in the program folder.
lumidex_sources(
  AgencyLine.h AgencyLine.cpp
)
