vrenk_test(replays LIBS vrenk_replay)
add_dependencies(test_replays content_levels levelrun)
target_compile_definitions(test_replays PRIVATE
  VRENK_LEVELRUN="$<TARGET_FILE:levelrun>")
