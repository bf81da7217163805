# Our art and sounds: every picture renders at 1x and 2x, the booth frames the wall, the puddles are
# blots of paint; every sound has the agreed format.
splot_add_test(test_pictures SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_pictures.cpp LIBS splot_presentation splot_assets)
target_compile_definitions(test_pictures PRIVATE
    SPLOT_CONTACT_SHEET="${CMAKE_BINARY_DIR}/contact-sheet.png")
splot_add_test(test_sounds SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_sounds.cpp LIBS splot_assets)
