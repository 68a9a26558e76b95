# corvane_manual_page(NAME SECTION): turns man/NAME.SECTION.scd of the calling folder into the gzipped
# roff page NAME.SECTION.gz of its build folder, with scdoc, at build time. The project's version is filled
# in first (@PROJECT_VERSION@).
find_program(CORVANE_SCDOC scdoc)
if(NOT CORVANE_SCDOC)
  message(FATAL_ERROR "scdoc, which writes the manual pages, is missing: run scripts/setup")
endif()
find_program(CORVANE_GZIP gzip REQUIRED)

function(corvane_manual_page name section)
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/man/${name}.${section}.scd)
  set(versioned ${CMAKE_CURRENT_BINARY_DIR}/${name}.${section}.scd)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${name}.${section})
  configure_file(${source} ${versioned} @ONLY)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND sh -c "\"$0\" < \"$1\" > \"$2\"" ${CORVANE_SCDOC} ${versioned} ${page}
    COMMAND ${CORVANE_GZIP} -9nf ${page}
    DEPENDS ${versioned}
    COMMENT "Writing the manual page ${name}(${section})"
    VERBATIM)
  add_custom_target(${name}-manual-page ALL DEPENDS ${page}.gz)
endfunction()
