# The wall drawing, the wall widget, the window arrangement and the picture buttons.
set(SPLOT_PRESENTATION_TEST_LIBS splot_presentation splot_engine splot_platform)
splot_add_test(test_wall_painter
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestWallPainter.cpp
    LIBS ${SPLOT_PRESENTATION_TEST_LIBS})
splot_add_test(test_wall_view
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestWallView.cpp
    LIBS ${SPLOT_PRESENTATION_TEST_LIBS})
splot_add_test(test_booth
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBooth.cpp
    LIBS ${SPLOT_PRESENTATION_TEST_LIBS})
target_compile_definitions(test_booth PRIVATE SPLOT_BOOTH_SHOT="${CMAKE_BINARY_DIR}/booth.png")
