vrenk_test(app_errors LIBS vrenk_shell vrenk_testsupport GL)
add_dependencies(test_app_errors content)
