# Engine tests: board tables, line evaluation, search, grease spots, victory texts.
splot_add_test(engine_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_engine.cpp LIBS splot_engine)
