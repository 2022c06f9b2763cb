# cmake -DOBJDUMP=<objdump> -DEXE=<file.exe> -P BwCheckImports.cmake
# Fails when EXE imports a MinGW runtime DLL, i.e. it was not linked
# statically and would not start on a Windows without MinGW installed.
execute_process(COMMAND ${OBJDUMP} -p ${EXE}
  OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed (${rc})")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${dump}")
if(NOT names)
  message(FATAL_ERROR "${EXE}: no import table found in the objdump output")
endif()
set(bad "")
foreach(n IN LISTS names)
  string(REPLACE "DLL Name: " "" n "${n}")
  string(STRIP "${n}" n)
  string(TOLOWER "${n}" lower)
  if(lower MATCHES "^(libstdc\\+\\+|libgcc|libwinpthread|libgomp|libssp|libatomic|libquadmath)")
    list(APPEND bad "${n}")
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "${EXE} needs MinGW runtime DLLs: ${bad}; link it with -static")
endif()
