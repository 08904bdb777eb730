vrenk_test(e2e LIBS vrenk_app GL)
add_dependencies(test_e2e VrenkII)
