vrenk_test(content LIBS vrenk_foxp vrenk_soundmeasure sfml-audio sfml-graphics)
add_dependencies(test_content content sfxgen musicgen texgen)
target_compile_definitions(test_content PRIVATE
  SFXGEN_BINARY="$<TARGET_FILE:sfxgen>"
  MUSICGEN_BINARY="$<TARGET_FILE:musicgen>"
  TEXGEN_BINARY="$<TARGET_FILE:texgen>")
