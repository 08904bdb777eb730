vrenk_test(sfxt LIBS vrenk_sfxt)
