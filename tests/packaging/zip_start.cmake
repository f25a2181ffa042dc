# Unpacks the Windows zip into a fresh folder and starts the tarnex.exe in it
# under Wine on a virtual display, through zip_start_check.
#   cmake -DZIP=... -DFOLDER=... -DCHECK=... -DRUN=wine-gui-run.sh -DPREFIX=... -P zip_start.cmake
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${FOLDER} RESULT_VARIABLE unpacked)
if(NOT unpacked EQUAL 0)
  message(FATAL_ERROR "cannot unpack ${ZIP}")
endif()
foreach(file tarnex.exe README.txt demo/MOR.exe demo/JORN.exe demo/BASIN.TIN)
  if(NOT EXISTS ${FOLDER}/${file})
    message(FATAL_ERROR "the zip holds no ${file}")
  endif()
endforeach()
execute_process(COMMAND ${RUN} ${PREFIX} ${CHECK} ${FOLDER}/tarnex.exe ${FOLDER}/demo RESULT_VARIABLE checked)
if(NOT checked EQUAL 0)
  message(FATAL_ERROR "the unpacked tarnex.exe did not start and close")
endif()
