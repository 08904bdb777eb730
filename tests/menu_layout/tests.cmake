vrenk_test(menu_layout LIBS vrenk_shell vrenk_screens vrenk_game GL)
add_dependencies(test_menu_layout content)
