vrenk_test(game_movement LIBS vrenk_game)
