# tunora_program_resources(TARGET RC_FILE ICON): compiles a program's resource script into it. The
# script names its icon, made at build time into TUNORA_ICONS, and its manifest, beside the script, by
# their file names alone; the resources are compiled again when either changes.
function(tunora_program_resources target rc icon)
  get_filename_component(rc ${rc} ABSOLUTE)
  get_filename_component(rc_dir ${rc} DIRECTORY)
  get_filename_component(name ${rc} NAME_WE)
  target_sources(${target} PRIVATE ${rc})
  target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${rc_dir};${TUNORA_ICONS}>)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${TUNORA_ICONS}/${icon};${rc_dir}/${name}.manifest")
  add_dependencies(${target} tunora_icons)
endfunction()
