vrenk_test(kest_gl LIBS vrenk_kest GL)
