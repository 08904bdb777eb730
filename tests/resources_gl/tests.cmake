vrenk_test(resources_gl LIBS vrenk_app vrenk_foxpwriter GL)
