vrenk_test(app_gl LIBS vrenk_app vrenk_testsupport GL)
add_dependencies(test_app_gl content)
