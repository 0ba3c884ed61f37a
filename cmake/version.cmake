# The version of the project, and so of the Debian package, is read from the
# programs themselves: each pack holds the text its program prints with -v
# ("2.23.0 " for delvoran, "2.25.0 " for the variants). The package carries
# the four programs, so its version is the newest of those texts: a new
# version of any program that passes the others raises the package's too.
# Nothing is written twice; the package check (tools/paquet) compares the
# package's version with what the unpacked programs print.
file(GLOB_RECURSE DELVORAN_SOURCES_PACKS CONFIGURE_DEPENDS
  "${CMAKE_CURRENT_LIST_DIR}/../packs/*.cpp" "${CMAKE_CURRENT_LIST_DIR}/../packs/*.hpp")
set(DELVORAN_VERSION "")
foreach(source IN LISTS DELVORAN_SOURCES_PACKS)
  # A version text: digits and dots in quotes, one trailing blank.
  file(STRINGS "${source}" lignes REGEX "\"[0-9]+\\.[0-9]+\\.[0-9]+ \"")
  foreach(ligne IN LISTS lignes)
    string(REGEX MATCH "\"([0-9]+\\.[0-9]+\\.[0-9]+) \"" texte "${ligne}")
    if(DELVORAN_VERSION STREQUAL "" OR CMAKE_MATCH_1 VERSION_GREATER DELVORAN_VERSION)
      set(DELVORAN_VERSION "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
endforeach()
if(DELVORAN_VERSION STREQUAL "")
  message(FATAL_ERROR "No version text (\"N.N.N \") found in the packs under packs/")
endif()
