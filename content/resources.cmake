# The three resource archives of the game, packed by foxpack from a staging
# folder per archive under the build tree:
#   Resources1.vrk  Music/*.ogg (musicgen)
#   Resources2.vrk  Brlnsdb.ttf, Shader/*.frag (content/shaders), Gfx/*.png (texgen)
#   Resources3.vrk  Sfx/*.wav (sfxgen)
# Each staging folder is made afresh by one command (its parent folder too, since
# the three generators run side by side in a parallel build), so nothing stale is ever
# packed, and each archive is rebuilt only when its generator or one of its
# sources changes. With VRENK_PREBUILT_DATA set the archives are copied from
# that folder instead.
set(resource_archive_password "Hollow gate opens 7")
set(resource_archives
  ${VRENK_DATA_DIR}/Resources1.vrk
  ${VRENK_DATA_DIR}/Resources2.vrk
  ${VRENK_DATA_DIR}/Resources3.vrk)

if(VRENK_PREBUILT_DATA)
  foreach(n 1 2 3)
    add_custom_command(OUTPUT ${VRENK_DATA_DIR}/Resources${n}.vrk
      COMMAND ${CMAKE_COMMAND} -E copy ${VRENK_PREBUILT_DATA}/Resources${n}.vrk ${VRENK_DATA_DIR}/Resources${n}.vrk
      DEPENDS ${VRENK_PREBUILT_DATA}/Resources${n}.vrk
      COMMENT "Copying the prebuilt Resources${n}.vrk"
      VERBATIM)
  endforeach()
else()
  set(VRENK_FONT_FILE /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
    CACHE FILEPATH "The bold TrueType font packed as the game's font (fonts-dejavu-core)")
  if(NOT EXISTS ${VRENK_FONT_FILE})
    message(FATAL_ERROR "Font ${VRENK_FONT_FILE} not found: install fonts-dejavu-core or set VRENK_FONT_FILE")
  endif()

  set(stage ${CMAKE_CURRENT_BINARY_DIR}/resources)

  # Music, one file per music id.
  set(music_names
    Forest1 Forest2 Forest3 Forest4 Volcano1 Volcano2 Volcano3 Volcano4 Lab1 Lab2 Lab3 Lab4
    Invulnerability TimeDistortion Jetpack EndOfLevel GameOver Victory Menu)
  set(music_files ${music_names})
  list(TRANSFORM music_files PREPEND ${stage}/music/Music/)
  list(TRANSFORM music_files APPEND .ogg)
  add_custom_command(OUTPUT ${music_files}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}/music
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/music
    COMMAND musicgen ${stage}/music
    DEPENDS musicgen
    COMMENT "Composing the music"
    VERBATIM)

  # Font, shaders and textures.
  set(shader_names BilinearTile HorizontalBlur VerticalBlur)
  set(shader_sources ${shader_names})
  list(TRANSFORM shader_sources PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/shaders/)
  list(TRANSFORM shader_sources APPEND .frag)
  set(shader_files ${shader_names})
  list(TRANSFORM shader_files PREPEND ${stage}/graphics/Shader/)
  list(TRANSFORM shader_files APPEND .frag)
  set(texture_names
    NormalTiles SpecialTiles Floor Background1 Background2 Background3
    Player Object Item Scenery Menu Particles Victory)
  set(texture_files ${texture_names})
  list(TRANSFORM texture_files PREPEND ${stage}/graphics/Gfx/)
  list(TRANSFORM texture_files APPEND .png)
  add_custom_command(OUTPUT ${stage}/graphics/Brlnsdb.ttf ${shader_files} ${texture_files}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}/graphics
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/graphics
    COMMAND texgen ${stage}/graphics
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/graphics/Shader
    COMMAND ${CMAKE_COMMAND} -E copy ${shader_sources} ${stage}/graphics/Shader/
    COMMAND ${CMAKE_COMMAND} -E copy ${VRENK_FONT_FILE} ${stage}/graphics/Brlnsdb.ttf
    DEPENDS texgen ${shader_sources} ${VRENK_FONT_FILE}
    COMMENT "Painting the textures and gathering the font and shaders"
    VERBATIM)

  # Sound effects, one file per sound id.
  set(sound_names
    Jump Trampoline Spawn Warp Hurt Die Item Coin Energy Life Checkpoint Switch Rocket RollingBomb
    Mine Arrow Fireball Darkball Ufo Faller Explosion HeavyExpl Block Enemy Jetpack Lava)
  set(sound_files ${sound_names})
  list(TRANSFORM sound_files PREPEND ${stage}/sounds/Sfx/)
  list(TRANSFORM sound_files APPEND .wav)
  add_custom_command(OUTPUT ${sound_files}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}/sounds
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/sounds
    COMMAND sfxgen ${stage}/sounds
    DEPENDS sfxgen
    COMMENT "Synthesising the sound effects"
    VERBATIM)

  set(resources1_files ${music_files})
  set(resources2_files ${stage}/graphics/Brlnsdb.ttf ${shader_files} ${texture_files})
  set(resources3_files ${sound_files})
  set(resources1_stage ${stage}/music)
  set(resources2_stage ${stage}/graphics)
  set(resources3_stage ${stage}/sounds)
  foreach(n 1 2 3)
    add_custom_command(OUTPUT ${VRENK_DATA_DIR}/Resources${n}.vrk
      COMMAND foxpack ${VRENK_DATA_DIR}/Resources${n}.vrk ${resource_archive_password} ${resources${n}_stage}
      DEPENDS foxpack ${resources${n}_files}
      COMMENT "Packing Resources${n}.vrk"
      VERBATIM)
  endforeach()
endif()

add_custom_target(content_resources DEPENDS ${resource_archives})
add_dependencies(content content_resources)
