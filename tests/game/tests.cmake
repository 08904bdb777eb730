vrenk_test(game LIBS vrenk_game)
