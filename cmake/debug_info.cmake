# rva_split_debug_info(target): after each link, keeps the debug information of
# the target's file beside it, as FILE.debug. The installed copy is stripped and
# linked to that file (see install.cmake).
function(rva_split_debug_info target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}>
            $<TARGET_FILE:${target}>.debug
    VERBATIM)
endfunction()
