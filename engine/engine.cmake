# The game engine (target splot_engine): board and line tables, line
# evaluation, the computer's search, grease spots, victory texts. No Qt.
add_library(splot_engine STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Board.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Search.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MasterPatterns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MasterSearch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MasterThreats.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VictoryText.cpp
)
target_include_directories(splot_engine PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_engine PUBLIC splot_platform)
