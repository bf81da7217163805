# The settings dialog, the story, the about box, the help window and the question boxes.
splot_add_test(test_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_dialogs.cpp LIBS splot_dialogs splot_platform_qt splot_l10n)
