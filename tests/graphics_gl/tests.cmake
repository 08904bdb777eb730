vrenk_test(graphics_gl LIBS vrenk_game GL)
