# Engine tests: board tables, line evaluation, search, grease spots, victory texts.
splot_add_test(engine_board_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_board.cpp LIBS splot_engine)
splot_add_test(engine_evaluation_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_evaluation.cpp LIBS splot_engine)
splot_add_test(engine_search_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_search.cpp LIBS splot_engine)
splot_add_test(engine_grease_victory_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_grease_victory.cpp LIBS splot_engine)
