vrenk_test(app_errors LIBS vrenk_app vrenk_testsupport GL)
add_dependencies(test_app_errors content)
