# Writes the painters' identity header: a hash over the sources that decide what the painters
# draw, so a change to any of them gives pictures of a new identity. Rewrites the header only
# when the identity changes. Run by the build: cmake -DOUT=FILE -DSOURCES="A;B;..." -P this
list(SORT SOURCES)
set(all "")
foreach(source ${SOURCES})
  file(SHA256 ${source} hash)
  get_filename_component(name ${source} NAME)
  string(APPEND all "${name} ${hash}\n")
endforeach()
string(SHA256 identity "${all}")
string(SUBSTRING ${identity} 0 16 identity)
set(text "// Made by the build (scripts/artwork-id.cmake): the identity of the painters' work.\n#pragma once\n\nnamespace artwork {\ninline constexpr const char* kArtworkId = \"${identity}\";\n}\n")
if(EXISTS ${OUT})
  file(READ ${OUT} old)
endif()
if(NOT "${old}" STREQUAL "${text}")
  file(WRITE ${OUT} "${text}")
endif()
