vrenk_test(content_gl LIBS vrenk_foxp sfml-graphics GL)
add_dependencies(test_content_gl content)
