# The data files the calculator saves, in Windows-1252 and in UTF-8, are
# Halvora's type for a desktop's MIME database (shared-mime-info, read here
# through Qt's QMimeDatabase): by the *.esm glob, and by their content alone
# under a name with no extension. A text file that only resembles one is not.
#
#   cmake -DXML=<halvora.xml> -DCALC=<halvora-calc> -DTIPO=<tipo_mime> -DPASTA=<work folder>
#         -P ConfereMime.cmake

find_program(ATUALIZA update-mime-database)
if(NOT ATUALIZA)
  message("update-mime-database (shared-mime-info) não está instalado")
  return()
endif()

file(REMOVE_RECURSE ${PASTA})
file(MAKE_DIRECTORY ${PASTA}/dados/mime/packages ${PASTA}/vazio)
file(COPY ${XML} DESTINATION ${PASTA}/dados/mime/packages)
execute_process(COMMAND ${ATUALIZA} ${PASTA}/dados/mime RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "update-mime-database: ${status}")
endif()

# Greek letters are not in Windows-1252: that title makes the file UTF-8.
foreach(par "aula.esm;Default" "aula-utf8.esm;Acoplamento α-β")
  list(GET par 0 nome)
  list(GET par 1 titulo)
  execute_process(COMMAND ${CALC} --n=4 --sep=, --title=${titulo} --save=${PASTA}/${nome}
                  RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "halvora-calc --save=${nome}: ${status}")
  endif()
  string(REPLACE ".esm" "" sem_extensao ${nome})
  file(COPY_FILE ${PASTA}/${nome} ${PASTA}/${sem_extensao})
endforeach()
file(READ ${PASTA}/aula.esm cp1252 HEX)
file(READ ${PASTA}/aula-utf8.esm utf8 HEX)
# "#N° de prótons" in each character set, as the third line.
if(NOT cp1252 MATCHES "0a234eb0206465207072f3746f6e730d0a" OR
   NOT utf8 MATCHES "0a234ec2b0206465207072c3b3746f6e730d0a")
  message(FATAL_ERROR "the saved files are not in the character sets this test expects")
endif()
# The first line right, the third not.
file(WRITE ${PASTA}/parecido "#Título\nDefault\n#N de protons\n 4\n")

execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${PASTA}/vazio
                        XDG_DATA_DIRS=${PASTA}/dados:/usr/local/share:/usr/share
                        ${TIPO} aula.esm aula aula-utf8.esm aula-utf8 parecido
                WORKING_DIRECTORY ${PASTA} RESULT_VARIABLE status OUTPUT_VARIABLE saida)
set(esperado "aula.esm\tapplication/x-halvora-dados\naula\tapplication/x-halvora-dados\n\
aula-utf8.esm\tapplication/x-halvora-dados\naula-utf8\tapplication/x-halvora-dados\n\
parecido\ttext/plain\n")
if(NOT status EQUAL 0 OR NOT saida STREQUAL esperado)
  message(FATAL_ERROR "MIME types: status ${status}\n${saida}\nexpected:\n${esperado}")
endif()
