# The settings file, the settings store and the record of decided games in it.
splot_add_test(test_settings
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_settings.cpp
    LIBS splot_settings)
