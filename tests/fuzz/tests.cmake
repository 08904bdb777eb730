# Fuzz harnesses, one per reader of the game's files. Each body builds as an
# ordinary test that replays its committed corpus (corpus/<harness>/, with
# the outcomes that some inputs must have in outcomes/<harness>.txt) and,
# with VRENK_FUZZ, as a libFuzzer program fuzz_<harness> (scripts/fuzz).
set(fuzz_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(vrenk_fuzzsupport STATIC ${fuzz_dir}/FuzzSupport.cpp)
target_include_directories(vrenk_fuzzsupport PUBLIC ${fuzz_dir})
target_link_libraries(vrenk_fuzzsupport PUBLIC vrenk_foxpwriter vrenk_app)

# <harness>:<source> pairs.
set(fuzz_harnesses
  text:TextHarness
  archive:ArchiveHarness
  level_load:LevelLoadHarness
  level_play:LevelPlayHarness
  config:ConfigHarness
  profiles:ProfilesHarness
  highscores:HighscoresHarness)
set(fuzz_libs_level_load vrenk_game_world)
set(fuzz_libs_level_play vrenk_replay)

foreach(pair ${fuzz_harnesses})
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 harness)
  list(GET pair 1 source)
  add_executable(test_fuzz_${harness} ${fuzz_dir}/${source}.cpp ${fuzz_dir}/ReplayMain.cpp)
  target_link_libraries(test_fuzz_${harness} PRIVATE vrenk_fuzzsupport ${fuzz_libs_${harness}} GTest::gtest)
  add_test(NAME fuzz_${harness}
    COMMAND test_fuzz_${harness} ${fuzz_dir}/corpus/${harness} ${fuzz_dir}/outcomes/${harness}.txt)
  set_tests_properties(fuzz_${harness} PROPERTIES ENVIRONMENT "${vrenk_test_env}" TIMEOUT 600 LABELS headless)
  if(VRENK_FUZZ)
    add_executable(fuzz_${harness} ${fuzz_dir}/${source}.cpp ${fuzz_dir}/FuzzMain.cpp)
    target_link_libraries(fuzz_${harness} PRIVATE vrenk_fuzzsupport ${fuzz_libs_${harness}})
    target_link_options(fuzz_${harness} PRIVATE -fsanitize=fuzzer)
  endif()
endforeach()
