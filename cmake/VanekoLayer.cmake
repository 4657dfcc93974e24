# One static library per engine folder, each seeing only its own headers and those of the
# libraries it links. The library's include path is a folder in the build tree holding one link,
# to its own source folder; a library that links another gets that one's path through the PUBLIC
# link. So `#include "convert/dispatch.h"` inside registry/ finds no such file and the build
# fails: the layering is enforced by the compiler, not by convention.
#
#   vaneko_layer(NAME [USES lib...] [PRIVATE_USES lib...])
function(vaneko_layer name)
  cmake_parse_arguments(LAYER "" "" "USES;PRIVATE_USES" ${ARGN})
  set(view ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${name} ${view}/${name} SYMBOLIC)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${name}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${view})
  target_link_libraries(${name} PUBLIC ${LAYER_USES} PRIVATE ${LAYER_PRIVATE_USES})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()
