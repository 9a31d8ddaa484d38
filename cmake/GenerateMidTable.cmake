# Turns data/mid.tsv (MID<TAB>administration per line, # comments) into a C++ source with a
# sorted array, so the program carries the table without reading any file at start.
# Called as: cmake -DINPUT=mid.tsv -DOUTPUT=mid_table_data.cpp -P GenerateMidTable.cmake
file(READ "${INPUT}" content)
# Administration names hold semicolons; keep them out of CMake's list splitting.
string(REPLACE ";" "<semicolon>" content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(entries "")
set(previous 0)
set(count 0)
set(number 0)
foreach(line IN LISTS lines)
  math(EXPR number "${number} + 1")
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9][0-9][0-9])\t(.+)$")
    message(FATAL_ERROR "${INPUT}:${number}: expected MID<TAB>administration")
  endif()
  set(mid "${CMAKE_MATCH_1}")
  set(name "${CMAKE_MATCH_2}")
  if(NOT mid GREATER previous)
    message(FATAL_ERROR "${INPUT}:${number}: MID ${mid} is not in ascending order")
  endif()
  set(previous "${mid}")
  string(REPLACE "<semicolon>" ";" name "${name}")
  string(REPLACE "\\" "\\\\" name "${name}")
  string(REPLACE "\"" "\\\"" name "${name}")
  string(APPEND entries "    {${mid}, \"${name}\"},\n")
  math(EXPR count "${count} + 1")
endforeach()

set(text "// Generated from data/mid.tsv by cmake/GenerateMidTable.cmake. Do not edit.
#include \"identity/mid_table.h\"

namespace qx {

const MidEntry kMidTable[] = {
${entries}};
const int kMidTableSize = ${count};

}  // namespace qx
")
file(WRITE "${OUTPUT}.tmp" "${text}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
