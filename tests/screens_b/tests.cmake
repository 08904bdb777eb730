vrenk_test(screens_b LIBS vrenk_screens vrenk_app vrenk_game GL)
