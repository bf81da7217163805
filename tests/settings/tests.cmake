# The settings file and the settings store.
splot_add_test(test_settings
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_settings.cpp
    LIBS splot_settings)
splot_add_test(test_record SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_record.cpp LIBS splot_settings)
