# The main window, the program put together, and main() (target splotchery).
add_library(splot_mainwindow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/MainWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowMenus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowScene.h
    ${CMAKE_CURRENT_LIST_DIR}/WindowScene.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordKeeper.h
    ${CMAKE_CURRENT_LIST_DIR}/RecordKeeper.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowPlacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuKeys.h
    ${CMAKE_CURRENT_LIST_DIR}/MenuKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptGameKeeper.h
    ${CMAKE_CURRENT_LIST_DIR}/KeptGameKeeper.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptGameStore.h
    ${CMAKE_CURRENT_LIST_DIR}/KeptGameStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainProgram.h
    ${CMAKE_CURRENT_LIST_DIR}/MainProgram.cpp)
target_include_directories(splot_mainwindow PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_mainwindow PUBLIC
    splot_dialogs splot_settings splot_presentation splot_flow splot_assets splot_l10n Qt6::Widgets)
if(TARGET splot_platform_qt)
    target_link_libraries(splot_mainwindow PUBLIC splot_platform_qt)
endif()

if(TARGET splot_platform_qt)
    add_executable(splotchery ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
    target_link_libraries(splotchery PRIVATE splot_mainwindow splot_platform_qt)
endif()
