vrenk_test(graphics LIBS vrenk_game)
