vrenk_test(effects LIBS vrenk_game)
