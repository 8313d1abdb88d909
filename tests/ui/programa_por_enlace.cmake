# `tornavela --comprobar` started through a symbolic link in a folder of its
# own, from another working directory that holds only the prime table: the
# program must find ListaPrimos.txt and its help beside its real
# executable, not beside the link nor in the working directory.
#   cmake -DPROGRAMA=<executable> -DTABLA=<Primos.txt> -DCARPETA=<scratch folder> -P programa_por_enlace.cmake
file(REMOVE_RECURSE "${CARPETA}")
file(MAKE_DIRECTORY "${CARPETA}/enlace" "${CARPETA}/trabajo")
file(CREATE_LINK "${PROGRAMA}" "${CARPETA}/enlace/tornavela" SYMBOLIC)
file(COPY "${TABLA}" DESTINATION "${CARPETA}/trabajo")
execute_process(COMMAND "${CARPETA}/enlace/tornavela" --comprobar
                WORKING_DIRECTORY "${CARPETA}/trabajo"
                RESULT_VARIABLE estado
                OUTPUT_VARIABLE salida
                ERROR_VARIABLE salida)
file(REMOVE_RECURSE "${CARPETA}")
if(NOT estado EQUAL 0)
  message(FATAL_ERROR "started through a link, the program does not find its files (${estado}):\n${salida}")
endif()
message("${salida}")
