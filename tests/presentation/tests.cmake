splot_add_test(test_presentation SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_presentation.cpp
    LIBS splot_presentation splot_engine splot_platform)
