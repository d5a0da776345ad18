# The target dist lays out the installation folder in TUNORA_DIST: setup.exe beside every file it copies,
# the player, its help, the read-me, the description, the sample songs and the reset files, all in one
# folder (setup puts the reset files into the installed folder's Reset).
set(TUNORA_DIST ${CMAKE_BINARY_DIR}/dist)
set(dist_files
  $<TARGET_FILE:setup>
  $<TARGET_FILE:MIDI_Tunora>
  ${CMAKE_BINARY_DIR}/Mtunora.chm
  ${TUNORA_DIST_DATA}/ReadMe.txt
  ${TUNORA_DIST_DATA}/File_id.diz
  ${TUNORA_DIST_DATA}/Quiet_Tidewater.mid
  "${TUNORA_DIST_DATA}/The Lamplighter and The Clock.mid"
  ${TUNORA_DIST_DATA}/Reset/Gm_reset.mid
  ${TUNORA_DIST_DATA}/Reset/Gs_reset.mid
  ${TUNORA_DIST_DATA}/Reset/Xg_reset.mid)
add_custom_target(dist
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${TUNORA_DIST}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TUNORA_DIST}
  COMMAND ${CMAKE_COMMAND} -E copy ${dist_files} ${TUNORA_DIST}
  COMMENT "Laying out the installation folder ${TUNORA_DIST}"
  VERBATIM)
add_dependencies(dist setup MIDI_Tunora help_file tunora_data)
