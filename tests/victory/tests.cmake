vrenk_test(victory LIBS vrenk_app vrenk_screens vrenk_game vrenk_testsupport GL)
add_dependencies(test_victory content)
