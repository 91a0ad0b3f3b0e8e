# Delay-loaded system DLLs: a DLL is loaded on the first call into it, not when the
# program starts. An ordinary launch of velmora.exe calls nothing of the user-interface
# and shell DLLs, and under Wine each of them costs tens of milliseconds to load.
#
# velmora_delay_load_libraries(<out-var> dll...) makes an import library for each DLL
# (user32, shell32, ...) from the toolchain's own, and puts the libraries to link, delayimp
# included, into <out-var>. The toolchain's import libraries are found through its
# search root (VELMORA_IMPORT_LIBRARY_<dll> in the cache).
function(velmora_delay_load_libraries out_var)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
    set(arch x86)
  else()
    set(arch x64)
  endif()
  set(libraries)
  foreach(dll IN LISTS ARGN)
    find_library(VELMORA_IMPORT_LIBRARY_${dll} NAMES lib${dll}.a REQUIRED)
    set(import_lib ${VELMORA_IMPORT_LIBRARY_${dll}})
    set(delay_lib ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delay.a)
    add_custom_command(
      OUTPUT ${delay_lib}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delayload
      COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/make-delay-lib.sh ${CMAKE_NM} ${CMAKE_DLLTOOL} ${CMAKE_OBJCOPY}
              ${import_lib} ${dll}.dll ${delay_lib} ${arch}
      DEPENDS ${PROJECT_SOURCE_DIR}/cmake/make-delay-lib.sh ${import_lib}
      COMMENT "Delay-load import library for ${dll}.dll"
      VERBATIM)
    list(APPEND libraries ${delay_lib})
  endforeach()
  add_custom_target(velmora_delay_load_libraries DEPENDS ${libraries})
  list(APPEND libraries delayimp)
  set(${out_var} ${libraries} PARENT_SCOPE)
endfunction()
