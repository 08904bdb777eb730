vrenk_test(content LIBS vrenk_foxp vrenk_soundmeasure sfml-audio sfml-graphics)
add_dependencies(test_content content sfxgen musicgen)
target_compile_definitions(test_content PRIVATE
  SFXGEN_BINARY="$<TARGET_FILE:sfxgen>"
  MUSICGEN_BINARY="$<TARGET_FILE:musicgen>")
