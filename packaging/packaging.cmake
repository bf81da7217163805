# Installation, desktop integration and the Debian package.
#
#   cmake --install <build> --prefix <prefix>    the game with its launcher, icon, metadata and manual
#   cpack -G DEB  (in the build folder)          splotchery_<version>-1_<arch>.deb for Debian 12
#
# Three install components: the files every installation has (Unspecified), those of an installation
# under a prefix only (prefix: the program in bin/, the licence text) and those of the Debian package
# only (debian: the program in /usr/games as Debian's games are, its launcher naming that path, the
# Debian changelog; the package's copyright file points to /usr/share/common-licenses/GPL-3 instead
# of a copy of the licence). `cmake --install` installs the first two, CPack the first and the last.
#
# One reverse-DNS application id names the desktop entry, the AppStream metadata and the icon; the
# program passes the same id to QGuiApplication::setDesktopFileName so that its window finds its launcher.
set(SPLOT_APP_ID "io.github.splotchery.Splotchery")
set(SPLOT_RELEASE_DATE "2026-12-06")
set(SPLOT_ICON_SIZES 16 24 32 48 64 128 256)
set(SPLOT_PACKAGE_MAINTAINER "The Splotchery developers <splotchery@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package")

set(_splot_pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(_splot_pkg_bin ${PROJECT_BINARY_DIR}/packaging)
# Not CMAKE_INSTALL_DOCDIR: that one is named after the project (Splotchery), the package is splotchery.
set(SPLOT_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/splotchery)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The files that carry the version and the release date.
configure_file(${_splot_pkg_src}/${SPLOT_APP_ID}.metainfo.xml.in
               ${_splot_pkg_bin}/${SPLOT_APP_ID}.metainfo.xml @ONLY)
configure_file(${_splot_pkg_src}/splotchery.6.in ${_splot_pkg_bin}/splotchery.6 @ONLY)

# The Debian changelog's one entry: this release, dated at its release date (RFC 5322, at noon UTC).
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _splot_date "${SPLOT_RELEASE_DATE}")
set(_y ${CMAKE_MATCH_1})
math(EXPR _m "${CMAKE_MATCH_2} + 0")
math(EXPR _d "${CMAKE_MATCH_3} + 0")
# The day of the week (Sakamoto's method).
set(_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
math(EXPR _i "${_m} - 1")
list(GET _offsets ${_i} _offset)
if(_m LESS 3)
    math(EXPR _y "${_y} - 1")
endif()
math(EXPR _wd "(${_y} + ${_y} / 4 - ${_y} / 100 + ${_y} / 400 + ${_offset} + ${_d}) % 7")
set(_days Sun Mon Tue Wed Thu Fri Sat)
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET _days ${_wd} _day)
list(GET _months ${_i} _month)
string(SUBSTRING "${SPLOT_RELEASE_DATE}" 0 4 _year)
string(SUBSTRING "${SPLOT_RELEASE_DATE}" 8 2 _dd)
set(SPLOT_CHANGELOG_DATE "${_day}, ${_dd} ${_month} ${_year} 12:00:00 +0000")
configure_file(${_splot_pkg_src}/changelog.Debian.in ${_splot_pkg_bin}/changelog.Debian @ONLY)

# The package's launcher names the program's place in /usr/games; an installation under a prefix
# keeps the plain name, found on the PATH.
file(READ ${_splot_pkg_src}/${SPLOT_APP_ID}.desktop _splot_desktop)
string(REPLACE "Exec=splotchery\n" "Exec=/usr/games/splotchery\n" _splot_desktop "${_splot_desktop}")  # TryExec too
file(WRITE ${_splot_pkg_bin}/debian/${SPLOT_APP_ID}.desktop "${_splot_desktop}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_splot_pkg_src}/${SPLOT_APP_ID}.desktop)

# The manual and the changelog go compressed at the highest level, without a timestamp (reproducible).
find_program(SPLOT_GZIP gzip REQUIRED)
add_custom_command(
    OUTPUT ${_splot_pkg_bin}/splotchery.6.gz ${_splot_pkg_bin}/changelog.Debian.gz
    COMMAND ${SPLOT_GZIP} -9nf -k ${_splot_pkg_bin}/splotchery.6 ${_splot_pkg_bin}/changelog.Debian
    DEPENDS ${_splot_pkg_bin}/splotchery.6 ${_splot_pkg_bin}/changelog.Debian
    COMMENT "Compressing the manual page and the Debian changelog"
    VERBATIM)
add_custom_target(splot_compressed_docs ALL
    DEPENDS ${_splot_pkg_bin}/splotchery.6.gz ${_splot_pkg_bin}/changelog.Debian.gz)

# The icon: the scalable picture as it is, and PNG renderings of it for the fixed sizes, made at build
# time by our own small Qt tool, so the build needs nothing beyond Qt SVG.
if(DEFINED SPLOT_ICON_SVG AND EXISTS "${SPLOT_ICON_SVG}")
    set(_splot_icon_svg "${SPLOT_ICON_SVG}")
else()
    set(_splot_icon_svg ${PROJECT_SOURCE_DIR}/assets/icons/splotchery.svg)
endif()

add_executable(splot_iconrender ${_splot_pkg_src}/IconRender.cpp)
target_link_libraries(splot_iconrender PRIVATE Qt6::Gui Qt6::Svg)

set(_splot_icon_dir ${_splot_pkg_bin}/icons)
set(_splot_icon_pngs "")
foreach(_size IN LISTS SPLOT_ICON_SIZES)
    list(APPEND _splot_icon_pngs ${_splot_icon_dir}/${_size}x${_size}/apps/${SPLOT_APP_ID}.png)
endforeach()
add_custom_command(
    OUTPUT ${_splot_icon_pngs}
    # In a sanitizer build the tool is instrumented too; leaks in the system's font libraries at its
    # exit must not fail the build.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:splot_iconrender> ${_splot_icon_svg} ${_splot_icon_dir} ${SPLOT_APP_ID} ${SPLOT_ICON_SIZES}
    DEPENDS splot_iconrender ${_splot_icon_svg}
    COMMENT "Rendering the icon at ${SPLOT_ICON_SIZES} pixels"
    VERBATIM)
add_custom_target(splot_icons ALL DEPENDS ${_splot_icon_pngs})

# What gets installed.
if(TARGET splotchery)
    # The Qt libraries live in the system's library folders: the installed game needs no RPATH
    # (qt_standard_project_setup would give it $ORIGIN/../lib, which Debian's rules forbid).
    set_target_properties(splotchery PROPERTIES INSTALL_RPATH "")
    # Bind every symbol at start-up, so the relocations can all be read-only (as Debian builds).
    target_link_options(splotchery PRIVATE LINKER:-z,relro LINKER:-z,now)
    install(TARGETS splotchery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT prefix)
    install(TARGETS splotchery RUNTIME DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
else()
    message(STATUS "packaging: no splotchery target yet, the executable is not installed")
endif()

# The Gomocup brain: the program beside the game, its other name (a symlink) and its manual page
# under both names.
if(TARGET pbrain-splotchery)
    set_target_properties(pbrain-splotchery PROPERTIES INSTALL_RPATH "")
    target_link_options(pbrain-splotchery PRIVATE LINKER:-z,relro LINKER:-z,now)
    set(_splot_brain_link $<TARGET_FILE_DIR:pbrain-splotchery>/splotchery-brain)
    install(TARGETS pbrain-splotchery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT prefix)
    install(FILES ${_splot_brain_link} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT prefix)
    install(TARGETS pbrain-splotchery RUNTIME DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
    install(FILES ${_splot_brain_link} DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
    configure_file(${_splot_pkg_src}/splotchery-brain.6.in ${_splot_pkg_bin}/splotchery-brain.6 @ONLY)
    add_custom_command(
        OUTPUT ${_splot_pkg_bin}/splotchery-brain.6.gz
        COMMAND ${SPLOT_GZIP} -9nf -k ${_splot_pkg_bin}/splotchery-brain.6
        DEPENDS ${_splot_pkg_bin}/splotchery-brain.6
        COMMENT "Compressing the brain's manual page"
        VERBATIM)
    add_custom_target(splot_brain_manual ALL DEPENDS ${_splot_pkg_bin}/splotchery-brain.6.gz)
    add_dependencies(splot_compressed_docs splot_brain_manual)
    file(CREATE_LINK splotchery-brain.6.gz ${_splot_pkg_bin}/pbrain-splotchery.6.gz SYMBOLIC)
    install(FILES ${_splot_pkg_bin}/splotchery-brain.6.gz ${_splot_pkg_bin}/pbrain-splotchery.6.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

# The readme may arrive after the build folder was configured: a change in docs/ configures again.
if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/docs)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs)
endif()
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/readme.txt)
    install(FILES ${PROJECT_SOURCE_DIR}/docs/readme.txt DESTINATION ${SPLOT_INSTALL_DOCDIR})
endif()
install(FILES ${_splot_pkg_src}/copyright DESTINATION ${SPLOT_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${SPLOT_INSTALL_DOCDIR} COMPONENT prefix)
install(FILES ${_splot_pkg_bin}/changelog.Debian.gz DESTINATION ${SPLOT_INSTALL_DOCDIR}
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${_splot_pkg_src}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME splotchery COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${_splot_pkg_bin}/splotchery.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${_splot_pkg_src}/${SPLOT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications
        COMPONENT prefix)
install(FILES ${_splot_pkg_bin}/debian/${SPLOT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${_splot_pkg_bin}/${SPLOT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${_splot_icon_svg}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
        RENAME ${SPLOT_APP_ID}.svg)
foreach(_size IN LISTS SPLOT_ICON_SIZES)
    install(FILES ${_splot_icon_dir}/${_size}x${_size}/apps/${SPLOT_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()

# The Debian package. Its dependencies come from dpkg-shlibdeps (the Qt libraries, the C++ runtime);
# the xcb platform plugin comes with libqt6gui6; the Wayland plugin is recommended for Wayland desktops.
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")
set(CPACK_PACKAGE_NAME splotchery)
set(CPACK_PACKAGE_VENDOR "The Splotchery developers")
set(CPACK_PACKAGE_CONTACT "${SPLOT_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "paint-squirting five-in-a-row game")
set(CPACK_PACKAGE_DESCRIPTION
"Two painters, Red and Blue, squirt splots of paint onto the wall of a fair
booth: the first to get five splots of their colour in one unbroken line
wins. Play against the computer at five levels or against a friend, on walls
of 6x6 to 15x15 cells, with optional grease spots and a blocked nozzle.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SPLOT_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons in the player's language, and the fonts the Japanese and Chinese texts need.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package holds the common files and the Debian ones (see the components above).
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")
include(CPack)
