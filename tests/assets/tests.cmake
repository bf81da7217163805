# Our pictures and sounds: every picture renders at 1x and 2x, every sound has the agreed format.
splot_add_test(test_asset_pictures SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPictures.cpp LIBS splot_assets)
target_compile_definitions(test_asset_pictures PRIVATE
    SPLOT_CONTACT_SHEET="${CMAKE_BINARY_DIR}/contact-sheet.png")
splot_add_test(test_asset_sounds SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSounds.cpp LIBS splot_assets)
