# Runs the command given after "--" and checks what a caller of the calculator
# relies on: the exact exit status and the first line of each stream.
#
#   cmake -DSTATUS=2 -DSAIDA=<regex> -DERROS=<regex> -P ConfereProcesso.cmake -- cmd args...
#
# SAIDA and ERROS, when given, must match the first line of standard output and
# of standard error; an empty one means the stream must be empty. A status
# test alone (WILL_FAIL) passes on a crash, and an output test alone
# (PASS_REGULAR_EXPRESSION) ignores the status.

if(NOT DEFINED STATUS)
  message(FATAL_ERROR "ConfereProcesso: STATUS is missing")
endif()

set(comando)
set(depois_do_separador FALSE)
math(EXPR ultimo "${CMAKE_ARGC} - 1")
foreach(i RANGE ${ultimo})
  if(depois_do_separador)
    list(APPEND comando "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(depois_do_separador TRUE)
  endif()
endforeach()
if(NOT comando)
  message(FATAL_ERROR "ConfereProcesso: no command after --")
endif()

execute_process(COMMAND ${comando} RESULT_VARIABLE status OUTPUT_VARIABLE saida
                ERROR_VARIABLE erros)

set(falhas)
if(NOT status STREQUAL STATUS)
  list(APPEND falhas "exit status ${status}, expected ${STATUS}")
endif()

function(confere_primeira_linha nome texto padrao)
  string(FIND "${texto}" "\n" fim)
  string(SUBSTRING "${texto}" 0 ${fim} primeira)
  if(padrao STREQUAL "")
    if(NOT texto STREQUAL "")
      set(falhas ${falhas} "${nome} should be empty" PARENT_SCOPE)
    endif()
  elseif(NOT primeira MATCHES "${padrao}")
    set(falhas ${falhas} "first line of ${nome} does not match \"${padrao}\"" PARENT_SCOPE)
  endif()
endfunction()

if(DEFINED SAIDA)
  confere_primeira_linha("standard output" "${saida}" "${SAIDA}")
endif()
if(DEFINED ERROS)
  confere_primeira_linha("standard error" "${erros}" "${ERROS}")
endif()

if(falhas)
  string(JOIN " " linha ${comando})
  string(JOIN "\n  " falhas ${falhas})
  message(FATAL_ERROR "${linha}\n  ${falhas}\n--- standard output:\n${saida}\n"
                      "--- standard error:\n${erros}")
endif()
