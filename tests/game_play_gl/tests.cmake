vrenk_test(game_play_gl LIBS vrenk_app vrenk_testsupport GL)
add_dependencies(test_game_play_gl content)
