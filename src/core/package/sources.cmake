# Packages for clients and web galleries of books: the fields a package shows, safe names, the pages and
# pictures of a web folder, the package's printed cards.
lumidex_sources(
  PackageFields.h PackageFields.cpp SafeNames.h SafeNames.cpp WebPages.h WebPages.cpp WebPictures.h
  WebPictures.cpp WebFolder.h WebFolder.cpp WebPackage.h WebPackage.cpp WebGallery.h WebGallery.cpp
  PackageCards.h PackageCards.cpp PackageReport.h PackageReport.cpp
)
