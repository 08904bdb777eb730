vrenk_test(game_objects LIBS vrenk_game)
