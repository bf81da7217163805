# The languages (target splot_l10n): every translations/splotchery_<lang>.ts is
# compiled by lrelease into the program's resource at :/i18n/; the language
# follows the desktop, with Qt's own catalogue for its standard buttons.
# A new language is one more .ts file in translations/.
file(GLOB SPLOT_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/splotchery_*.ts)

find_program(SPLOT_LRELEASE NAMES lrelease lrelease-qt6
    HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin
    REQUIRED)
find_program(SPLOT_LUPDATE NAMES lupdate lupdate-qt6
    HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin
    REQUIRED)

set(SPLOT_QM_DIR ${CMAKE_CURRENT_BINARY_DIR}/i18n)
set(SPLOT_QM_FILES)
foreach(ts ${SPLOT_TS_FILES})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${SPLOT_QM_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${SPLOT_QM_DIR}
        COMMAND ${SPLOT_LRELEASE} -silent ${ts} -qm ${qm}
        DEPENDS ${ts}
        COMMENT "Compiling the catalogue ${name}"
        VERBATIM)
    list(APPEND SPLOT_QM_FILES ${qm})
endforeach()

add_library(splot_l10n STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Language.h
    ${CMAKE_CURRENT_LIST_DIR}/Language.cpp)
target_include_directories(splot_l10n PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_l10n PUBLIC Qt6::Core)
if(SPLOT_QM_FILES)
    qt_add_resources(splot_l10n "splot_i18n"
        PREFIX "/i18n"
        BASE ${SPLOT_QM_DIR}
        FILES ${SPLOT_QM_FILES})
endif()

# The directories whose sources hold the program's texts; `splot_lupdate`
# brings every .ts up to date with them (new texts come in unfinished).
set(SPLOT_TEXT_DIRS shell platform/qt presentation)
set(SPLOT_TEXT_PATHS)
foreach(dir ${SPLOT_TEXT_DIRS})
    list(APPEND SPLOT_TEXT_PATHS ${PROJECT_SOURCE_DIR}/${dir})
endforeach()
# The exclamations after a game, marked with SPLOT_TEXT where the engine defines them.
list(APPEND SPLOT_TEXT_PATHS ${PROJECT_SOURCE_DIR}/engine/VictoryText.h)
add_custom_target(splot_lupdate
    COMMAND ${SPLOT_LUPDATE} -I ${PROJECT_SOURCE_DIR} -tr-function-alias QT_TRANSLATE_NOOP+=SPLOT_TEXT -locations none -no-ui-lines -extensions cpp,h ${SPLOT_TEXT_PATHS} -ts ${SPLOT_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating the catalogues from the sources"
    VERBATIM)
