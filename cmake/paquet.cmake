# Installation and Debian package of the four programs, their manual pages,
# the README and the error catalogue; the catalogue generator, the command
# that explains an error reply and the command that checks a file without
# consuming it.
include(GNUInstallDirs)

# ---------------------------------------------------------------- catalogue and explanation

# The error catalogue, read from the packs' tables.
add_library(vse_catalogue STATIC tools/catalogue/catalogue.cpp)
target_link_libraries(vse_catalogue PUBLIC pack_main pack_pf pack_l pack_d)
add_executable(delvoran-catalogue tools/catalogue/main.cpp)
target_link_libraries(delvoran-catalogue PRIVATE vse_catalogue)

# Explains an error reply by the same tables.
add_library(vse_explique STATIC tools/explique/explique.cpp)
target_link_libraries(vse_explique PUBLIC vse_catalogue)
target_compile_definitions(vse_explique PRIVATE DELVORAN_VERSION="${PROJECT_VERSION}")
add_executable(delvoran-explique tools/explique/main.cpp)
target_link_libraries(delvoran-explique PRIVATE vse_explique)

# Checks a file by a program's engine, in this process, on a private copy, and
# reports its errors as text, JSON or HTML. JSON is written with nlohmann-json,
# which only this command links (a header-only library: nothing to install
# with the package).
find_package(nlohmann_json 3 REQUIRED)
add_library(vse_verifie STATIC tools/verifie/verifie.cpp tools/verifie/rapports.cpp)
target_link_libraries(vse_verifie PUBLIC vse_explique PRIVATE nlohmann_json::nlohmann_json)
target_compile_definitions(vse_verifie PRIVATE DELVORAN_VERSION="${PROJECT_VERSION}")
add_executable(delvoran-verifie tools/verifie/main.cpp)
target_link_libraries(delvoran-verifie PRIVATE vse_verifie)

# The catalogue of the programs being built, generated with every build: it is
# the one installed. The copy in doc/ is the committed one (tools/verifier-catalogue
# checks that it is current).
set(VSE_DOC_GENERE "${CMAKE_BINARY_DIR}/doc")
add_custom_command(
  OUTPUT "${VSE_DOC_GENERE}/catalogue.md" "${VSE_DOC_GENERE}/catalogue.csv"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${VSE_DOC_GENERE}"
  COMMAND delvoran-catalogue "${VSE_DOC_GENERE}"
  DEPENDS delvoran-catalogue
  COMMENT "Error catalogue"
  VERBATIM)
add_custom_target(catalogue ALL DEPENDS "${VSE_DOC_GENERE}/catalogue.md" "${VSE_DOC_GENERE}/catalogue.csv")

# ---------------------------------------------------------------- manual pages

# Pages are installed compressed, as the system's own; the variants' pages are
# links to delvoran's, which describes all four programs.
find_program(VSE_GZIP gzip REQUIRED)
set(VSE_MAN_GENERE "${CMAKE_BINARY_DIR}/man")
# One page per entry; the programs of VSE_PAGES_LIEES are described by
# delvoran's page.
set(VSE_PAGES delvoran delvoran-explique delvoran-verifie)
set(VSE_PAGES_LIEES delvoranpf delvoranl delvorand)
set(VSE_PAGES_GZ "")
foreach(page IN LISTS VSE_PAGES)
  add_custom_command(
    OUTPUT "${VSE_MAN_GENERE}/${page}.1.gz"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${VSE_MAN_GENERE}"
    COMMAND "${CMAKE_COMMAND}" -E copy "${CMAKE_CURRENT_SOURCE_DIR}/man/${page}.1" "${VSE_MAN_GENERE}/${page}.1"
    COMMAND "${VSE_GZIP}" -9nf "${VSE_MAN_GENERE}/${page}.1"
    DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/man/${page}.1"
    VERBATIM)
  list(APPEND VSE_PAGES_GZ "${VSE_MAN_GENERE}/${page}.1.gz")
endforeach()
add_custom_target(pages ALL DEPENDS ${VSE_PAGES_GZ})

# ---------------------------------------------------------------- installation

# The programs installed, one per entry.
set(VSE_PROGRAMMES delvoran delvoranpf delvoranl delvorand delvoran-explique delvoran-verifie)
install(TARGETS ${VSE_PROGRAMMES} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# A stripped installation (cmake --install --strip, and the package) also
# drops the sections no run reads, the compiler's .comment and .note, as
# Debian's own programs do.
if(CMAKE_STRIP)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(prog ${VSE_PROGRAMMES})
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${prog}\"
          COMMAND_ERROR_IS_FATAL ANY)
      endforeach()
    endif()")
endif()
install(FILES ${VSE_PAGES_GZ} DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
foreach(page IN LISTS VSE_PAGES_LIEES)
  install(CODE "
    set(rep \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\")
    message(STATUS \"Installing: \${rep}/${page}.1.gz -> delvoran.1.gz\")
    file(CREATE_LINK delvoran.1.gz \"\${rep}/${page}.1.gz\" SYMBOLIC)")
endforeach()
# The copyright in Debian's machine-readable form, and the changelog, in
# Debian's form too, compressed as the system's own.
add_custom_command(
  OUTPUT "${CMAKE_BINARY_DIR}/changelog.gz"
  COMMAND "${CMAKE_COMMAND}" -E copy "${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian/changelog" "${CMAKE_BINARY_DIR}/changelog"
  COMMAND "${VSE_GZIP}" -9nf "${CMAKE_BINARY_DIR}/changelog"
  DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian/changelog"
  VERBATIM)
add_custom_target(changelog ALL DEPENDS "${CMAKE_BINARY_DIR}/changelog.gz")
install(FILES README.md "${VSE_DOC_GENERE}/catalogue.md" "${VSE_DOC_GENERE}/catalogue.csv"
  cmake/debian/copyright "${CMAKE_BINARY_DIR}/changelog.gz"
  DESTINATION "${CMAKE_INSTALL_DOCDIR}")

# ---------------------------------------------------------------- Debian package

set(DELVORAN_MAINTAINER "delvoran maintainers <delvoran@example.org>"
  CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME delvoran)
# The project's version, read from the packs (cmake/version.cmake).
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${DELVORAN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DELVORAN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "validators of livestock-identification exchange files")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Four batch programs, delvoran, delvoranpf, delvoranl and delvorand, each check"
  "one exchange file of 256-character records (VSE) against layout tables and"
  "field rules and answer it as a whole: every record accepted, or an error reply"
  "listing the rejected records."
  ""
  "delvoran-explique explains an error reply by the same tables;"
  "delvoran-verifie checks a file as a program would, without consuming it, and"
  "reports each error with the value read, as text, JSON or HTML; the error"
  "catalogue lists every error number with where it can arise.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies computed from the programs by dpkg-shlibdeps: the C and C++
# runtime libraries only. The architecture is the build machine's.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# lintian's overrides (cmake/debian/lintian-overrides, each with its reason)
# go into the package only.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian/finition.cmake")
set(CPACK_VSE_SURCHARGES_LINTIAN "${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian/lintian-overrides")
include(CPack)

# ---------------------------------------------------------------- tests

# The catalogue, explanation and check tests live with the others in tests/.
if(TARGET vse_tests)
  target_link_libraries(vse_tests PRIVATE vse_explique vse_verifie nlohmann_json::nlohmann_json)
  target_compile_definitions(vse_tests PRIVATE VSE_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
  add_dependencies(vse_tests delvoran-explique delvoran-verifie)
endif()
