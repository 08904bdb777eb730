find_package(OpenGL REQUIRED)
vrenk_test(effects_gl LIBS vrenk_game vrenk_app OpenGL::GL GL)
