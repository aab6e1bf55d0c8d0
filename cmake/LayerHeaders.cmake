# Each layer of src/ has an include root of its own that holds only that layer's folder, so a
# target sees "<layer>/x.h" only when it links a library of that layer: an include against the
# order of the libraries fails to compile.
function(quillet_layer_headers target layer)
  set(root ${CMAKE_BINARY_DIR}/include/${layer})
  if(NOT IS_SYMLINK ${root}/${layer})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${layer} ${root}/${layer} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
