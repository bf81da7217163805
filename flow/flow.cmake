# The game flow (target splot_flow): the game's procedures (Game), the booth
# they use, the narrator, the game's log and the replayer, the kept game, and
# the failure guard, the command door and the take-back history it runs on.
# Plain C++20, no Qt.
add_library(splot_flow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Game.h
    ${CMAKE_CURRENT_LIST_DIR}/Game.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameSnapshot.h
    ${CMAKE_CURRENT_LIST_DIR}/FailureGuard.h
    ${CMAKE_CURRENT_LIST_DIR}/FailureGuard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandDoor.h
    ${CMAKE_CURRENT_LIST_DIR}/CommandDoor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TakeBackHistory.h
    ${CMAKE_CURRENT_LIST_DIR}/TakeBackHistory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Move.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Continue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Booth.h
    ${CMAKE_CURRENT_LIST_DIR}/Booth.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Narrator.h
    ${CMAKE_CURRENT_LIST_DIR}/Narrator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameLog.h
    ${CMAKE_CURRENT_LIST_DIR}/GameRules.h
    ${CMAKE_CURRENT_LIST_DIR}/GameRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameLog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Replayer.h
    ${CMAKE_CURRENT_LIST_DIR}/Replayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Spoken.h
    ${CMAKE_CURRENT_LIST_DIR}/Spoken.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptGame.h
    ${CMAKE_CURRENT_LIST_DIR}/KeptGame.cpp
)
target_include_directories(splot_flow PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_flow PUBLIC splot_engine splot_platform)
# The flow is plain C++: no moc, uic or rcc.
set_target_properties(splot_flow PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
