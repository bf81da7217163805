# The Gomocup brain: the protocol (library splot_brain, plain C++) and the
# program splotchery-brain, installed with its manual page.
add_library(splot_brain STATIC ${CMAKE_CURRENT_LIST_DIR}/Brain.cpp)
target_include_directories(splot_brain PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_brain PUBLIC splot_engine)

add_executable(splotchery-brain ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(splotchery-brain PRIVATE splot_brain)
