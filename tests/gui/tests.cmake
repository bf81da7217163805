# The main window headless, on platform doubles, with a seeded soak test.
if(TARGET splot_mainwindow)
    splot_add_test(test_gui_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindow.cpp LIBS splot_mainwindow)
endif()
