# The main window headless: start-up, menus, a whole game, picture buttons,
# placement, closing in the middle of a move; and a seeded soak test.
if(TARGET splot_mainwindow)
    splot_add_test(test_gui_window
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindow.cpp ${CMAKE_CURRENT_LIST_DIR}/WindowRig.h
        LIBS splot_mainwindow)
endif()
if(TARGET splot_mainwindow)
    splot_add_test(test_gui_soak
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSoak.cpp ${CMAKE_CURRENT_LIST_DIR}/WindowRig.h
        LIBS splot_mainwindow)
endif()
