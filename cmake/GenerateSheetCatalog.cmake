# Takes the sheet's texts (context qx::Sheet) out of the Qt Linguist catalogs into a C++ source,
# so that every front end's sheet speaks the same translations, the command line's included.
# Called as: cmake -DOUTPUT=sheet_catalog_data.cpp "-DCATALOGS=de=a.ts;nl=b.ts;fr=c.ts" -P GenerateSheetCatalog.cmake
set(entries "")
set(count 0)
foreach(pair IN LISTS CATALOGS)
  string(REGEX MATCH "^([a-z]+)=(.+)$" matched "${pair}")
  set(language "${CMAKE_MATCH_1}")
  set(path "${CMAKE_MATCH_2}")
  file(READ "${path}" content)
  # Texts may hold semicolons; keep them out of CMake's list splitting.
  string(REPLACE ";" "@SEMICOLON@" content "${content}")
  string(FIND "${content}" "<name>qx::Sheet</name>" start)
  if(start LESS 0)
    continue()
  endif()
  string(SUBSTRING "${content}" ${start} -1 content)
  string(FIND "${content}" "</context>" end)
  string(SUBSTRING "${content}" 0 ${end} content)
  string(REPLACE "</message>" ";" messages "${content}")
  foreach(message IN LISTS messages)
    if(NOT message MATCHES "<source>([^<]*)</source>[ \t\r\n]*<translation>([^<]*)</translation>")
      continue()
    endif()
    set(texts "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
    set(literals "")
    foreach(text IN LISTS texts)
      string(REPLACE "@SEMICOLON@" ";" text "${text}")
      string(REPLACE "&apos;" "'" text "${text}")
      string(REPLACE "&quot;" "\"" text "${text}")
      string(REPLACE "&lt;" "<" text "${text}")
      string(REPLACE "&gt;" ">" text "${text}")
      string(REPLACE "&amp;" "&" text "${text}")
      string(REPLACE "\\" "\\\\" text "${text}")
      string(REPLACE "\"" "\\\"" text "${text}")
      string(REPLACE "\n" "\\n" text "${text}")
      list(APPEND literals "\"${text}\"")
    endforeach()
    list(GET literals 0 source)
    list(GET literals 1 translation)
    string(APPEND entries "    {\"${language}\", ${source}, ${translation}},\n")
    math(EXPR count "${count} + 1")
  endforeach()
endforeach()

set(text "// Generated from translations/*.ts by cmake/GenerateSheetCatalog.cmake. Do not edit.
#include \"reports/sheet_catalog.h\"

namespace qx {

const SheetCatalogEntry kSheetCatalog[] = {
${entries}    {nullptr, nullptr, nullptr},
};
const int kSheetCatalogSize = ${count};

}  // namespace qx
")
file(WRITE "${OUTPUT}.new" "${text}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
