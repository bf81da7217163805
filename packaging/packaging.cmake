# Installation, desktop integration and the Debian package.
#
#   cmake --install <build> --prefix <prefix>    the game with its launcher, icon, metadata and manual
#   cpack -G DEB  (in the build folder)          splotchery_<version>-1_<arch>.deb for Debian 12
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
    install(TARGETS splotchery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
    message(STATUS "packaging: no splotchery target yet, the executable is not installed")
endif()

# The readme may arrive after the build folder was configured: a change in docs/ configures again.
if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/docs)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs)
endif()
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/readme.txt)
    install(FILES ${PROJECT_SOURCE_DIR}/docs/readme.txt DESTINATION ${SPLOT_INSTALL_DOCDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${_splot_pkg_src}/copyright DESTINATION ${SPLOT_INSTALL_DOCDIR})
install(FILES ${_splot_pkg_bin}/splotchery.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${_splot_pkg_src}/${SPLOT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
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
wins. Play against the computer at four levels or against a friend, on walls
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
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
