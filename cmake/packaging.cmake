# Man pages, documents and the Debian package. Games go to games/ under the prefix, as
# Debian and the FHS keep them (/usr/games, /usr/local/games); distributions
# that keep them in bin/ set BLOCKSLIDE_GAMES_DIR=bin.
include(GNUInstallDirs)
set(BLOCKSLIDE_GAMES_DIR "games" CACHE STRING
    "Where the games are installed, relative to the install prefix")

# Debian wants man pages and the changelog compressed, reproducibly (no name
# or time stamp).
find_program(GZIP_PROGRAM gzip)
set(compressed_files)
function(blockslide_compressed source result_var)
    if(GZIP_PROGRAM)
        get_filename_component(name ${source} NAME)
        set(result ${PROJECT_BINARY_DIR}/compressed/${name}.gz)
        add_custom_command(OUTPUT ${result}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/compressed
            COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${result}
            DEPENDS ${source} VERBATIM)
        set(compressed_files ${compressed_files} ${result} PARENT_SCOPE)
    else()
        set(result ${source})
    endif()
    set(${result_var} ${result} PARENT_SCOPE)
endfunction()

foreach(page IN ITEMS blockslide-a.6 blockslide-b.6)
    blockslide_compressed(${PROJECT_SOURCE_DIR}/man/${page} installed)
    install(FILES ${installed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()

# The documents of a Debian package: the changelog, and the licence as a
# machine-readable copyright file, made from LICENSE so that the two never
# disagree.
blockslide_compressed(${PROJECT_SOURCE_DIR}/cmake/debian/changelog installed)
install(FILES ${installed} DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog.gz)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(FIND "${license}" "Permission is hereby granted" start)
if(start EQUAL -1 OR NOT license MATCHES "Copyright \\(c\\) ([^\n]+)")
    message(FATAL_ERROR "LICENSE is no longer the MIT licence that cmake/debian/copyright.in names")
endif()
set(copyright_holders ${CMAKE_MATCH_1})
string(SUBSTRING "${license}" ${start} -1 license_text)
string(STRIP "${license_text}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in
               ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_target(compressed_docs ALL DEPENDS ${compressed_files})

set(CPACK_PACKAGE_NAME blockslide)
set(CPACK_PACKAGE_VENDOR "the blockslide developers")
# Who answers for the package: whoever builds it, taken as Debian's own tools
# take it (DEBFULLNAME and DEBEMAIL), or else the developers.
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
    set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
    set(maintainer "blockslide developers <blockslide@example.org>")
endif()
set(BLOCKSLIDE_MAINTAINER "${maintainer}" CACHE STRING
    "The Maintainer of the Debian package: Name <address>")
set(CPACK_PACKAGE_CONTACT "${BLOCKSLIDE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BLOCKSLIDE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding-block puzzles for the text terminal")
set(CPACK_PACKAGE_DESCRIPTION "Two sliding-block puzzle games for an 80 x 25 terminal, played
with the keyboard or the mouse: blockslide-a (FARNSWOG!, one puzzle) and
blockslide-b (TRAXOLUMBINE, two puzzles). Slide numbered blocks until the big
blue block with the face reaches its goal; watch the shortest solution if you
get stuck.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# A stripped install (cpack, cmake --install --strip) also drops the compiler's version
# (.comment) and any bare .note section, as Debian's dh_strip does; a plain strip keeps them.
# Call it after the targets' own install rules, which strip first.
function(blockslide_strip_notes)
    if(NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
        return()
    endif()
    foreach(target IN LISTS ARGN)
        set(installed "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BLOCKSLIDE_GAMES_DIR}")
        string(APPEND installed "/$<TARGET_FILE_NAME:${target}>")
        install(CODE "if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                --remove-section=.note \"${installed}\" COMMAND_ERROR_IS_FATAL ANY)
        endif()")
    endforeach()
endfunction()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
