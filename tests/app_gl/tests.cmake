vrenk_test(app_gl LIBS vrenk_app vrenk_testresources GL)
