# cmake -DFOLDER=<dist-data> -P check-dist-data.cmake: every data file that setup installs is there and
# not empty; the reset files in the Reset subfolder, where the player looks for them.
set(files
  ReadMe.txt
  File_id.diz
  Quiet_Tidewater.mid
  "The Lamplighter and The Clock.mid"
  Reset/Gm_reset.mid
  Reset/Gs_reset.mid
  Reset/Xg_reset.mid)
set(missing)
foreach(name IN LISTS files)
  if(EXISTS "${FOLDER}/${name}")
    file(SIZE "${FOLDER}/${name}" size)
  else()
    set(size 0)
  endif()
  if(size EQUAL 0)
    list(APPEND missing "${name}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "missing or empty in ${FOLDER}: ${missing}")
endif()
