vrenk_test(e2e LIBS vrenk_app GL)
add_dependencies(test_e2e VrenkII)
# The game's window is found by its title on the shared display: no other
# test may have a window of that title open meanwhile.
set_tests_properties(e2e PROPERTIES RUN_SERIAL TRUE)
