# The Gomocup brain: the protocol (library splot_brain, plain C++) and the program pbrain-splotchery
# (tournament managers speak this protocol to programs whose name begins with pbrain-), with
# splotchery-brain beside it as another name for it; installed with its manual page.
add_library(splot_brain STATIC ${CMAKE_CURRENT_LIST_DIR}/Brain.cpp)
target_include_directories(splot_brain PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_brain PUBLIC splot_engine)
target_compile_definitions(splot_brain PUBLIC SPLOT_VERSION="${PROJECT_VERSION}")

add_executable(pbrain-splotchery ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(pbrain-splotchery PRIVATE splot_brain)
add_custom_command(TARGET pbrain-splotchery POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E create_symlink pbrain-splotchery $<TARGET_FILE_DIR:pbrain-splotchery>/splotchery-brain
    VERBATIM)
