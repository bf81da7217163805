# The settings dialog, the story, the about box and the help window.
splot_add_test(test_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_dialogs.cpp LIBS splot_dialogs)
# The question boxes of the Qt platform.
splot_add_test(test_questions SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_questions.cpp LIBS splot_platform_qt)
