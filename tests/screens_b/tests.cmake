vrenk_test(screens_b LIBS vrenk_screens vrenk_shell vrenk_game GL)
# The screens read the display's one pointer, which these tests move.
set_tests_properties(screens_b PROPERTIES RESOURCE_LOCK pointer)
