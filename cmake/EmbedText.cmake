# embed_text(INPUT OUTPUT SYMBOL): turns a text data file into a C++ source
# that defines `extern const char* const SYMBOL`, regenerated when the file
# changes.
function(embed_text input output symbol)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedTextRun.cmake
    DEPENDS ${input} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedTextRun.cmake
    VERBATIM)
endfunction()
