splot_add_test(test_presentation SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPresentation.cpp
    LIBS splot_presentation splot_engine splot_platform)
