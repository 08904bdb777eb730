vrenk_test(app_gl LIBS vrenk_shell vrenk_testsupport GL)
add_dependencies(test_app_gl content)
