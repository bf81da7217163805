# The settings file and the settings store.
splot_add_test(tst_inifile
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_inifile.cpp
    LIBS splot_platform Qt6::Core)
splot_add_test(tst_settings_store
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settings_store.cpp
    LIBS splot_settings)
