vrenk_test(audio LIBS vrenk_app vrenk_testresources GL THREADS)
