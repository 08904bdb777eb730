vrenk_test(screens_a LIBS vrenk_screens vrenk_shell vrenk_game GL)
# The screens read the display's one pointer, which screens_b moves.
set_tests_properties(screens_a PROPERTIES RESOURCE_LOCK pointer)
