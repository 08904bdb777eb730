vrenk_test(texture_layout LIBS vrenk_game vrenk_sfxt vrenk_foxp)
# Reads the textures of the built Resources2.vrk.
add_dependencies(test_texture_layout content_resources)
