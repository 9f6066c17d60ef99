# Finding a card as the user types: how a character and a text are read into words, what each kind looks in,
# the index of an archive's words and its keeper, and the list of the cards found.
lumidex_sources(
  ArchiveStamp.h ArchiveStamp.cpp FindFields.h FindFields.cpp FindFolding.h FindFolding.cpp FindIndex.h FindIndex.cpp
  FindIndexBuilder.cpp FindKeeper.h FindKeeper.cpp FindQuery.h FindQuery.cpp FindWords.h FindWords.cpp
  FoundCardsModel.h FoundCardsModel.cpp PageBuffer.h PageBuffer.cpp
)
