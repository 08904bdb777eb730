vrenk_test(victory LIBS vrenk_shell vrenk_screens vrenk_game vrenk_testsupport GL)
add_dependencies(test_victory content)
# The game pauses when its window loses the focus, as it does whenever
# another test opens a window on the shared display, and the test moves the
# display's one pointer: run alone.
set_tests_properties(victory PROPERTIES RUN_SERIAL TRUE)
