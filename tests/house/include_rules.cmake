# Checks the include rules that the libraries' include roots cannot enforce on their own:
# - a project include names its file from the repository root, never with "..", which would
#   reach past the include roots into a folder above;
# - SDL and JPEG headers only in game/media, the one layer that talks to them;
# - socket headers only in game/net and server/, the two ends of network play.
# Run as: cmake -DROOT=<repository> -P include_rules.cmake (fails listing every broken line).

if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<repository> -P include_rules.cmake")
endif()

set(media_headers "SDL|jpeglib\\.h|jerror\\.h|jconfig\\.h|jmorecfg\\.h")
set(socket_headers
    "sys/socket\\.h|netinet/|arpa/|netdb\\.h|poll\\.h|sys/select\\.h|sys/un\\.h|ifaddrs\\.h|sys/epoll\\.h")

file(GLOB_RECURSE sources RELATIVE ${ROOT}
     ${ROOT}/game/*.h ${ROOT}/game/*.cpp ${ROOT}/formats/*.h ${ROOT}/formats/*.cpp
     ${ROOT}/server/*.h ${ROOT}/server/*.cpp)
if(NOT sources)
  message(FATAL_ERROR "no sources under ${ROOT}/game, formats or server")
endif()

set(broken "")
foreach(source ${sources})
  file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*" "" target "${line}")
    if(target MATCHES "^\"[^\"]*\\.\\.")
      list(APPEND broken "${source}: ${target} reaches upwards with \"..\", name it from the root")
    endif()
    if(target MATCHES "^[<\"](${media_headers})" AND NOT source MATCHES "^game/media/")
      list(APPEND broken "${source}: ${target} belongs to game/media alone")
    endif()
    if(target MATCHES "^[<\"](${socket_headers})"
       AND NOT source MATCHES "^game/net/" AND NOT source MATCHES "^server/")
      list(APPEND broken "${source}: ${target} belongs to game/net and server/ alone")
    endif()
  endforeach()
endforeach()

list(LENGTH sources checked)
if(broken)
  list(JOIN broken "\n  " report)
  message(FATAL_ERROR "include rules broken:\n  ${report}")
endif()
message(STATUS "include rules hold in ${checked} files")
