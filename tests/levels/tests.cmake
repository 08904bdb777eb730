find_package(Freetype REQUIRED)
vrenk_test(levels LIBS vrenk_game vrenk_screens vrenk_levelc vrenk_replay vrenk_foxp Freetype::Freetype sfml-graphics)
add_dependencies(test_levels content)
