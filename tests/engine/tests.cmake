# Engine tests: board tables, line evaluation, search, grease spots, victory texts.
splot_add_test(test_engine SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_engine.cpp LIBS splot_engine)
# The master level: play and take back, and the tactics table.
splot_add_test(test_master SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_master.cpp LIBS splot_engine)
