vrenk_test(resources LIBS vrenk_app vrenk_foxpwriter)
