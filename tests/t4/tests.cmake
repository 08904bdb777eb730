vrenk_test(t4 LIBS vrenk_t4)
