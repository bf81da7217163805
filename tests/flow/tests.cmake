# The game flow, played without a window: every platform service is a double; the Qt clock.
splot_add_test(test_flow SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_flow.cpp LIBS splot_flow)
splot_add_test(test_platform_qt SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_platform_qt.cpp LIBS splot_platform_qt)
# The painters' sequences, a move, a win and a new game as one ordered log.
splot_add_test(test_sequences SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_sequences.cpp LIBS splot_flow)
splot_add_test(test_take_back SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_take_back.cpp LIBS splot_flow)
# What a screen reader is told: the wall in words and the announcements of a game.
splot_add_test(test_spoken SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_spoken.cpp LIBS splot_flow)
# The failure guard, the command door and the take-back history, each alone.
splot_add_test(test_game_parts SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_game_parts.cpp LIBS splot_flow)
splot_add_test(test_kept_game SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_kept_game.cpp LIBS splot_flow)
