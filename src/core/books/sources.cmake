# Book names a file can carry, where the catalogue windows lead when they close, and the shooting data read from
# a photo (EXIF).
lumidex_sources(
  BookNames.h BookNames.cpp BookExits.h PhotoShootingData.h PhotoShootingData.cpp
)
