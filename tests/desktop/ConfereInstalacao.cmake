# Installs the build into a new prefix and runs what was installed from
# another folder: the calculator with its pictures (drawn by the program
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
                        --png=x.png --pdf=x.pdf
                WORKING_DIRECTORY ${fora} RESULT_VARIABLE status OUTPUT_VARIABLE saida
                ERROR_VARIABLE erros)
if(NOT status EQUAL 0 OR NOT saida MATCHES "^Banda n°" OR NOT erros STREQUAL "")
  list(APPEND falhas "halvora-calc --svg: status ${status}, standard error: ${erros}")
endif()
# Each picture by its first bytes.
foreach(par "x.svg;<svg" "x.png;^89504e470d0a1a0a" "x.pdf;^255044462d")
  list(GET par 0 figura)
  list(GET par 1 assinatura)
  if(NOT EXISTS ${fora}/${figura})
    list(APPEND falhas "halvora-calc wrote no ${figura}")
  elseif(figura STREQUAL "x.svg")
    file(READ ${fora}/${figura} inicio LIMIT 400)
  else()
    file(READ ${fora}/${figura} inicio LIMIT 8 HEX)
  endif()
  if(EXISTS ${fora}/${figura} AND NOT inicio MATCHES "${assinatura}")
    list(APPEND falhas "${figura} is not the picture it is named for")
  endif()
endforeach()

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
        share/man/en/man1/halvora.1.gz share/man/en/man1/halvora-calc.1.gz
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
