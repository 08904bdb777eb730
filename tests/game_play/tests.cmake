vrenk_test(game_play LIBS vrenk_game)
add_dependencies(test_game_play content_levels)
