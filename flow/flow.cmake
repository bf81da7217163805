# The game flow (target splot_flow): the game controller, the execution of a
# move, the input on the wall, the painters' sequences, and the failure guard,
# the command door and the take-back history it runs on. Plain C++20, no Qt.
add_library(splot_flow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Game.h
    ${CMAKE_CURRENT_LIST_DIR}/Game.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GamePlatform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsChange.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameSnapshot.h
    ${CMAKE_CURRENT_LIST_DIR}/FailureGuard.h
    ${CMAKE_CURRENT_LIST_DIR}/FailureGuard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandDoor.h
    ${CMAKE_CURRENT_LIST_DIR}/CommandDoor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TakeBackHistory.h
    ${CMAKE_CURRENT_LIST_DIR}/TakeBackHistory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Snapshot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Move.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Input.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Sequences.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TakeBack.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Spoken.h
    ${CMAKE_CURRENT_LIST_DIR}/Spoken.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Reading.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptGame.h
    ${CMAKE_CURRENT_LIST_DIR}/KeptGame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Continue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Replay.cpp
)
target_include_directories(splot_flow PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_flow PUBLIC splot_engine splot_platform)
# The flow is plain C++: no moc, uic or rcc.
set_target_properties(splot_flow PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
