# Renders the story map: MAP | DOT -Tsvg > SVG, failing when either step does.
get_filename_component(folder "${SVG}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(
    COMMAND "${MAP}"
    COMMAND "${DOT}" -Tsvg
    OUTPUT_FILE "${SVG}"
    RESULTS_VARIABLE results
    ERROR_VARIABLE errors)
if(NOT results STREQUAL "0;0" OR NOT errors STREQUAL "")
    file(REMOVE "${SVG}")
    message(FATAL_ERROR "The story map could not be drawn (${results}):\n${errors}")
endif()
