# The release history of the software centre and of the Debian package must
# have an entry for the project's version, at the top.
#
#   cmake -DVERSAO=<x.y.z> -DMETAINFO=<metainfo.xml> -DCHANGELOG=<changelog> -P ConfereVersoes.cmake

file(READ ${METAINFO} metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${metainfo}")
set(versao_metainfo "${CMAKE_MATCH_1}")
file(STRINGS ${CHANGELOG} primeira LIMIT_COUNT 1)
string(REGEX MATCH "^halvora \\(([^)]*)\\)" _ "${primeira}")
set(versao_changelog "${CMAKE_MATCH_1}")
if(NOT versao_metainfo STREQUAL VERSAO OR NOT versao_changelog STREQUAL VERSAO)
  message(FATAL_ERROR "project(Halvora VERSION ${VERSAO}), but the newest release is "
                      "\"${versao_metainfo}\" in ${METAINFO} and \"${versao_changelog}\" in "
                      "${CHANGELOG}: add an entry for ${VERSAO} to each")
endif()
