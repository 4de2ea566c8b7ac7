# Installs the build into a new prefix and runs what was installed from
# another folder: the calculator with its picture (drawn by the program
# installed under libexec) and the window program's --version; then checks
# that the files a desktop looks for are where it looks.
#
#   cmake -DCONSTRUCAO=<build> -DPASTA=<work folder> -DVERSAO=<x.y.z> -P ConfereInstalacao.cmake

set(prefixo ${PASTA}/prefixo)
set(fora ${PASTA}/fora)
file(REMOVE_RECURSE ${PASTA})
file(MAKE_DIRECTORY ${fora})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${CONSTRUCAO} --prefix ${prefixo}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE erros)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install: ${status}\n${erros}")
endif()

set(falhas)
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM ${prefixo}/bin/halvora-calc --n=3 --svg=x.svg
                WORKING_DIRECTORY ${fora} RESULT_VARIABLE status OUTPUT_VARIABLE saida
                ERROR_VARIABLE erros)
if(NOT status EQUAL 0 OR NOT saida MATCHES "^Banda n°" OR NOT erros STREQUAL "")
  list(APPEND falhas "halvora-calc --svg: status ${status}, standard error: ${erros}")
endif()
if(EXISTS ${fora}/x.svg)
  file(READ ${fora}/x.svg svg LIMIT 400)
  if(NOT svg MATCHES "<svg")
    list(APPEND falhas "x.svg is not an SVG picture")
  endif()
else()
  list(APPEND falhas "halvora-calc --svg=x.svg wrote no x.svg")
endif()

foreach(programa halvora halvora-calc)
  execute_process(COMMAND ${prefixo}/bin/${programa} --version RESULT_VARIABLE status
                  OUTPUT_VARIABLE saida WORKING_DIRECTORY ${fora})
  if(NOT status EQUAL 0 OR NOT saida STREQUAL "${programa} ${VERSAO}\n")
    list(APPEND falhas "${programa} --version: status ${status}, \"${saida}\"")
  endif()
endforeach()

foreach(arquivo
        bin/halvora bin/halvora-calc libexec/halvora/halvora-calc-grafico
        share/applications/org.example.halvora.desktop
        share/metainfo/org.example.halvora.metainfo.xml
        share/mime/packages/halvora.xml
        share/icons/hicolor/scalable/apps/halvora.svg
        share/icons/hicolor/48x48/apps/halvora.png
        share/icons/hicolor/128x128/apps/halvora.png
        share/icons/hicolor/256x256/apps/halvora.png
        share/man/man1/halvora.1.gz share/man/man1/halvora-calc.1.gz
        share/doc/halvora/copyright share/doc/halvora/changelog.gz)
  if(NOT EXISTS ${prefixo}/${arquivo})
    list(APPEND falhas "${arquivo} was not installed")
  endif()
endforeach()
if(EXISTS ${prefixo}/bin/halvora-calc-grafico)
  list(APPEND falhas "halvora-calc-grafico belongs under libexec, not on the PATH")
endif()

if(falhas)
  string(JOIN "\n  " falhas ${falhas})
  message(FATAL_ERROR "Installed into ${prefixo}:\n  ${falhas}")
endif()
