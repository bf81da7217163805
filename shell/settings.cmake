# The settings store (target splot_settings): the player's choices and the
# window's placement in splot.ini. Qt Core only, for the configuration folder.
add_library(splot_settings STATIC
    ${CMAKE_CURRENT_LIST_DIR}/SettingsStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsStore.h
    ${CMAKE_CURRENT_LIST_DIR}/RecordStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordStore.h
)
target_include_directories(splot_settings PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_settings PUBLIC splot_platform Qt6::Core)
