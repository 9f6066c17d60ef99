# Test helpers: lumidex_testcore for the core tests (no widgets), lumidex_testsupport for the window tests.
target_sources(lumidex_testcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TestFiles.h
  ${CMAKE_CURRENT_LIST_DIR}/TestFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestPictures.h
  ${CMAKE_CURRENT_LIST_DIR}/TestPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestRecords.h
  ${CMAKE_CURRENT_LIST_DIR}/TestRecords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpTexts.h
  ${CMAKE_CURRENT_LIST_DIR}/HelpTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CameraPhotos.h
  ${CMAKE_CURRENT_LIST_DIR}/CameraPhotos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportFixtures.h
  ${CMAKE_CURRENT_LIST_DIR}/ExportFixtures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CauseWords.h
  ${CMAKE_CURRENT_LIST_DIR}/DiskFaults.h
  ${CMAKE_CURRENT_LIST_DIR}/DiskFaults.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequiredTools.h
  ${CMAKE_CURRENT_LIST_DIR}/RequiredTools.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestMetaTypes.h
  ${CMAKE_CURRENT_LIST_DIR}/BackupFolder.h
  ${CMAKE_CURRENT_LIST_DIR}/BackupFolder.cpp
)
# The camera photos carry EXIF shooting data.
target_link_libraries(lumidex_testcore PRIVATE PkgConfig::EXIV2)
target_sources(lumidex_testsupport PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ScriptedInteraction.h
  ${CMAKE_CURRENT_LIST_DIR}/ScriptedInteraction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptedTestCase.h
  ${CMAKE_CURRENT_LIST_DIR}/TestHelpers.h
  ${CMAKE_CURRENT_LIST_DIR}/TestHelpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PdfReadBack.h
  ${CMAKE_CURRENT_LIST_DIR}/PdfReadBack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditorFixture.h
  ${CMAKE_CURRENT_LIST_DIR}/EditorFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutputPress.h
)

# Preloaded into the tests of a folder whose file system cannot lock, or whose
# disk syncs slowly or refuses a sync (lumidex_preload_fault_shim): each fault is
# off until a test's environment sets it off.
add_library(lumidex_faultshim SHARED ${CMAKE_CURRENT_LIST_DIR}/NoLockShim.cpp ${CMAKE_CURRENT_LIST_DIR}/SyncFaultShim.cpp)
target_link_libraries(lumidex_faultshim PRIVATE ${CMAKE_DL_LIBS})
