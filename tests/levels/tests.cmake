vrenk_test(levels LIBS vrenk_game vrenk_levelc)
add_dependencies(test_levels content_levels)
