vrenk_test(app_recovery LIBS vrenk_shell vrenk_testsupport GL)
add_dependencies(test_app_recovery content)
