# The font's licence notice travels with the game: it lies in the game folder,
# beside the executable and Data/ with the archive that holds the font.
set(font_licence ${VRENK_GAME_DIR}/DejaVu-Fonts-License.txt)
add_custom_command(OUTPUT ${font_licence}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/fonts/DejaVu-Fonts-License.txt ${font_licence}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fonts/DejaVu-Fonts-License.txt
  COMMENT "Copying the font's licence into the game folder"
  VERBATIM)
add_custom_target(content_font_licence DEPENDS ${font_licence})
add_dependencies(content content_font_licence)
