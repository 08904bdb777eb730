vrenk_test(app LIBS vrenk_app THREADS)
