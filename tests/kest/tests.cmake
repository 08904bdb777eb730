vrenk_test(kest LIBS vrenk_kest)
