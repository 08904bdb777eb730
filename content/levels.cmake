# The level archive Levels.vrk: the 18 level sources of content/levels
# (world 0, levels 1 to 6, behind the menus; worlds 1 to 3, levels 1 to 4)
# compiled by levelc, which checks every level with the game's own loader and
# level check before it packs them. The compiled text files are staged under
# the build tree for reading. The archive is rebuilt only when a source, a
# shared legend or the compiler changes. With VRENK_PREBUILT_DATA set it is
# copied from that folder instead.
set(level_archive ${VRENK_DATA_DIR}/Levels.vrk)

if(VRENK_PREBUILT_DATA)
  add_custom_command(OUTPUT ${level_archive}
    COMMAND ${CMAKE_COMMAND} -E copy ${VRENK_PREBUILT_DATA}/Levels.vrk ${level_archive}
    DEPENDS ${VRENK_PREBUILT_DATA}/Levels.vrk
    COMMENT "Copying the prebuilt Levels.vrk"
    VERBATIM)
else()
  set(level_names 0-1 0-2 0-3 0-4 0-5 0-6 1-1 1-2 1-3 1-4 2-1 2-2 2-3 2-4 3-1 3-2 3-3 3-4)
  set(level_sources ${level_names})
  list(TRANSFORM level_sources PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/levels/)
  list(TRANSFORM level_sources APPEND .lvl)
  file(GLOB level_legends CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/levels/*.legend)
  set(level_stage ${CMAKE_CURRENT_BINARY_DIR}/levels)
  add_custom_command(OUTPUT ${level_archive}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${level_stage}
    COMMAND levelc ${level_archive} ${level_stage} ${level_sources}
    DEPENDS levelc ${level_sources} ${level_legends}
    COMMENT "Compiling and packing the levels"
    VERBATIM)
endif()

add_custom_target(content_levels DEPENDS ${level_archive})
add_dependencies(content content_levels)
