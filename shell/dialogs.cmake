# The settings dialog, the story, the about box and the help window (target splot_dialogs).
add_library(splot_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/FixedDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/FixedDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/OptionsDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WallSizeControl.h
    ${CMAKE_CURRENT_LIST_DIR}/WallSizeControl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Story.h
    ${CMAKE_CURRENT_LIST_DIR}/Story.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AboutBox.h
    ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/HelpWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogStyle.h
    ${CMAKE_CURRENT_LIST_DIR}/DialogStyle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/RecordDialog.cpp)
target_include_directories(splot_dialogs PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_dialogs PUBLIC splot_l10n Qt6::Widgets)
# The settings store, the bevel edges and the pictures.
foreach(lib splot_settings splot_presentation splot_assets)
    if(TARGET ${lib})
        target_link_libraries(splot_dialogs PUBLIC ${lib})
    endif()
endforeach()

# The help pages, kept in the program as a resource.
set(SPLOT_HELP_FILES
    help/index.html
    help/rules.html
    help/playing.html
    help/levels.html
    help/grease.html
    help/nozzle.html
    help/hints.html
    help/options.html
    help/painters.html
    help/settings.html
    help/helponhelp.html
    help/help.css)
# The pages in other languages, one folder each (help/de/...), all sharing help.css.
file(GLOB SPLOT_TRANSLATED_HELP RELATIVE ${CMAKE_CURRENT_LIST_DIR} CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/help/*/*.html)
list(APPEND SPLOT_HELP_FILES ${SPLOT_TRANSLATED_HELP})
qt_add_resources(splot_dialogs "splot_help"
    PREFIX "/"
    BASE ${CMAKE_CURRENT_LIST_DIR}
    FILES ${SPLOT_HELP_FILES})
