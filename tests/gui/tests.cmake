splot_add_test(test_gui_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindow.cpp LIBS splot_mainwindow)
