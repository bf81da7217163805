splot_add_test(test_main_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_main_window.cpp LIBS splot_mainwindow)
splot_add_test(test_player_road SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_player_road.cpp LIBS splot_mainwindow splot_l10n)
splot_add_test(test_take_back_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_take_back_window.cpp LIBS splot_mainwindow)
# The offscreen screen (800 x 800) at twice the scale: smaller than the window's design.
splot_add_test(test_small_screen SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_small_screen.cpp LIBS splot_mainwindow)
set_property(TEST test_small_screen APPEND PROPERTY ENVIRONMENT "QT_SCALE_FACTOR=2")
splot_add_test(test_wall_access SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_wall_access.cpp LIBS splot_mainwindow)
splot_add_test(test_continue_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_continue_window.cpp LIBS splot_mainwindow)
