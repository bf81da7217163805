# The settings file and the settings store.
splot_add_test(tst_settings
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settings.cpp
    LIBS splot_settings)
