# Man pages and the Debian package. Games go to games/ under the prefix, as
# Debian and the FHS keep them (/usr/games, /usr/local/games); distributions
# that keep them in bin/ set BLOCKSLIDE_GAMES_DIR=bin.
include(GNUInstallDirs)
set(BLOCKSLIDE_GAMES_DIR "games" CACHE STRING
    "Where the games are installed, relative to the install prefix")

# Debian wants man pages compressed, reproducibly (no name or time stamp).
find_program(GZIP_PROGRAM gzip)
set(man_pages blockslide-a.6 blockslide-b.6)
foreach(page IN LISTS man_pages)
    set(source ${PROJECT_SOURCE_DIR}/man/${page})
    if(GZIP_PROGRAM)
        set(installed ${PROJECT_BINARY_DIR}/man/${page}.gz)
        add_custom_command(OUTPUT ${installed}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
            COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${installed}
            DEPENDS ${source} VERBATIM)
    else()
        set(installed ${source})
    endif()
    list(APPEND installed_pages ${installed})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${installed_pages})
install(FILES ${installed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_PACKAGE_NAME blockslide)
set(CPACK_PACKAGE_VENDOR "the blockslide developers")
set(CPACK_PACKAGE_CONTACT "The blockslide developers <blockslide@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding-block puzzles for the text terminal")
set(CPACK_PACKAGE_DESCRIPTION "Two keyboard-driven sliding-block puzzle games for an 80 x 25 terminal:
blockslide-a (FARNSWOG!, one puzzle) and blockslide-b (TRAXOLUMBINE,
two puzzles). Slide numbered blocks until the big blue block with the face
reaches its goal; watch the shortest solution if you get stuck.")
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
