vrenk_test(world LIBS vrenk_game vrenk_foxpwriter)
