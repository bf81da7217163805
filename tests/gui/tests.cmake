splot_add_test(test_main_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_main_window.cpp LIBS splot_mainwindow)
splot_add_test(test_player_road SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_player_road.cpp LIBS splot_mainwindow splot_l10n)
