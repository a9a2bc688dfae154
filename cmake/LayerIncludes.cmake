# Each layer's target sees only the folders it may include. A view folder in the build tree holds
# links to those folders (for the primitive and record lists, to the list files alone), and is the
# target's only include folder besides its own sources: a header from a higher layer is not found.
#
#   glv_layer_view(target FOLDERS platform/runtime framework ... [LISTS])
#
# LISTS adds the files of platform/media/ itself (the lists, not the back end or the fake).
function(glv_layer_view target)
  cmake_parse_arguments(V "LISTS" "" "FOLDERS" ${ARGN})
  set(view ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${view})
  foreach(folder ${V_FOLDERS})
    get_filename_component(parent ${view}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
  endforeach()
  if(V_LISTS)
    file(GLOB lists CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/media/*.h ${CMAKE_SOURCE_DIR}/platform/media/*.def)
    file(MAKE_DIRECTORY ${view}/platform/media)
    foreach(f ${lists})
      get_filename_component(name ${f} NAME)
      file(CREATE_LINK ${f} ${view}/platform/media/${name} SYMBOLIC)
    endforeach()
  endif()
  target_include_directories(${target} PRIVATE ${view})
endfunction()

# The layers from the bottom up; each adds its own folder to the one below.
set(GLV_VIEW_SYSTEM platform/runtime platform/system)
set(GLV_VIEW_FRAMEWORK ${GLV_VIEW_SYSTEM} framework)
set(GLV_VIEW_GAME ${GLV_VIEW_FRAMEWORK} engine tween store game)
