# The game flow, played without a window: every platform service is a double.
splot_add_test(tst_flow_start SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_start.cpp LIBS splot_flow)
splot_add_test(tst_flow_games SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_games.cpp LIBS splot_flow)
splot_add_test(tst_flow_sequences SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_sequences.cpp LIBS splot_flow)
splot_add_test(tst_flow_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_commands.cpp LIBS splot_flow)
if(TARGET splot_platform_qt)
    splot_add_test(tst_platform_qt SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_platform_qt.cpp
                   LIBS splot_platform_qt Qt6::Widgets)
endif()
