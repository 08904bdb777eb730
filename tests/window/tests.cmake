vrenk_test(window LIBS vrenk_app GL)
