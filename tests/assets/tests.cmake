# Our art and sounds: every picture renders at 1x and 2x, the booth frames the wall, the puddles are
# blots of paint; every sound has the agreed format.
splot_add_test(test_pictures SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_pictures.cpp LIBS splot_presentation splot_assets)
