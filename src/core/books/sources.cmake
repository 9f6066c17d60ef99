# Book names a file can carry, and the shooting data read from a photo (EXIF).
lumidex_sources(
  BookNames.h BookNames.cpp PhotoShootingData.h PhotoShootingData.cpp
)
