# Delay-loaded system DLLs: a DLL is loaded on the first call into it, not when the
# program starts. An ordinary launch of velmora.exe calls nothing of the user-interface
# and shell DLLs, and under Wine each of them costs tens of milliseconds to load.
#
# velmora_delay_load_libraries(<out-var> dll...) makes an import library for each DLL
# (user32, shell32, ...) and puts the libraries to link, delayimp included, into <out-var>.
function(velmora_delay_load_libraries out_var)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
    set(arch x86)
    set(prefix i686-w64-mingw32)
  else()
    set(arch x64)
    set(prefix x86_64-w64-mingw32)
  endif()
  set(libraries)
  foreach(dll IN LISTS ARGN)
    set(import_lib /usr/${prefix}/lib/lib${dll}.a)
    set(delay_lib ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delay.a)
    add_custom_command(
      OUTPUT ${delay_lib}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delayload
      COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/make-delay-lib.sh ${prefix} ${import_lib} ${dll}.dll
              ${delay_lib} ${arch}
      DEPENDS ${PROJECT_SOURCE_DIR}/cmake/make-delay-lib.sh ${import_lib}
      COMMENT "Delay-load import library for ${dll}.dll"
      VERBATIM)
    list(APPEND libraries ${delay_lib})
  endforeach()
  add_custom_target(velmora_delay_load_libraries DEPENDS ${libraries})
  list(APPEND libraries delayimp)
  set(${out_var} ${libraries} PARENT_SCOPE)
endfunction()
