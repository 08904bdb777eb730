vrenk_test(replays LIBS vrenk_replay)
add_dependencies(test_replays content_levels levelrun)
target_compile_definitions(test_replays PRIVATE
  VRENK_LEVELRUN="$<TARGET_FILE:levelrun>")

# The search made again for each playing level: levelrun --check compares the
# run and the difficulty line that it makes, byte for byte, with the ones the
# level keeps. A search takes from a second to about a minute a level in the
# plain build and far longer under the sanitizers, so these tests have a label
# of their own, "search" (not "headless"), which scripts/test runs once, in the
# plain build.
foreach(world 1 2 3)
  foreach(level 1 2 3 4)
    set(base ${PROJECT_SOURCE_DIR}/content/levels/${world}-${level})
    add_test(NAME search_${world}-${level}
      COMMAND levelrun --check ${world} ${level} ${base}.replay ${base}.lvl)
    set_tests_properties(search_${world}-${level} PROPERTIES LABELS search TIMEOUT 1200
      ENVIRONMENT "${vrenk_test_env}")
  endforeach()
endforeach()
