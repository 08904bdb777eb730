vrenk_test(game_play_gl LIBS vrenk_shell vrenk_testsupport GL)
add_dependencies(test_game_play_gl content)
# The game pauses when its window loses the focus, as it does whenever
# another test opens a window on the shared display: run alone.
set_tests_properties(game_play_gl PROPERTIES RUN_SERIAL TRUE)
