# The settings file and the settings store.
splot_add_test(tst_inifile
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_inifile.cpp
    LIBS splot_platform Qt6::Core)
