# The Gomocup brain: scripted sessions through the protocol, and the program itself on a pipe
# under its other name (the symlink beside pbrain-splotchery), the master thinking as fast as it can.
splot_add_test(test_brain SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_brain.cpp LIBS splot_brain)
add_test(NAME brain_program
    COMMAND sh -c "printf 'START 15\\nINFO rule 1\\nINFO timeout_turn 0\\nBEGIN\\nTURN 8,8\\nTURN 99,99\\nEND\\nABOUT\\n' | timeout 20 $<TARGET_FILE_DIR:pbrain-splotchery>/splotchery-brain")
set_tests_properties(brain_program PROPERTIES PASS_REGULAR_EXPRESSION "^OK\n7,7\n[0-9]+,[0-9]+\nERROR 99,99 is off the board\n$")
