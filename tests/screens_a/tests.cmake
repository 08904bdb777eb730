vrenk_test(screens_a LIBS vrenk_screens vrenk_app vrenk_game GL)
