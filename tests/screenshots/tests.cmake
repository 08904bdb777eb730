# Not a test: scripts/screenshots runs it to take a picture of every screen of
# the built game.
add_executable(screenshots screenshots/Screenshots.cpp)
target_link_libraries(screenshots PRIVATE vrenk_app vrenk_testsupport)
add_dependencies(screenshots VrenkII levelc content)
target_compile_definitions(screenshots PRIVATE VRENK_LEVELC="$<TARGET_FILE:levelc>"
  VRENK_LEVEL_SOURCES="${PROJECT_SOURCE_DIR}/content/levels")
