vrenk_test(profiles LIBS vrenk_app)
