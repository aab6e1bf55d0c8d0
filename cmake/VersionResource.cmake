# quillet_add_version_resource(<target>)
#
# Embeds resources/version.txt ("Key=Value" lines) into the linked executable <target> as the
# non-allocated section ".quillet.version". The program reads it from its own file at run time, so
# scripts/relabel can change the labels of a built executable without a rebuild.
# A change of version.txt relinks the target.
function(quillet_add_version_resource target)
  set(version_file "${PROJECT_SOURCE_DIR}/resources/version.txt")
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "quillet_add_version_resource: objcopy was not found (package binutils)")
  endif()
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS "${version_file}")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND "${CMAKE_OBJCOPY}"
            --add-section ".quillet.version=${version_file}"
            --set-section-flags ".quillet.version=noload,readonly"
            "$<TARGET_FILE:${target}>"
    COMMENT "Embedding the version resource into ${target}"
    VERBATIM)
endfunction()
