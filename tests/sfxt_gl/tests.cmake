vrenk_test(sfxt_gl LIBS vrenk_sfxt vrenk_app GL)
