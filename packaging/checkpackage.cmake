# Packs the build BUILD with CPACK into OUT and checks the Debian package with lintian: no error
# (a missing copyright file or changelog, a maintainer address on a host that does not exist, ...).
# Warnings are shown but pass. Run by ctest (DebianPackage).
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${OUT}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
file(GLOB packages ${OUT}/*.deb)
list(LENGTH packages count)
if(failed OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made no package:\n${output}")
endif()
execute_process(COMMAND lintian --fail-on error --tag-display-limit 0 ${packages}
                OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE failed)
message("${report}")
if(failed)
  message(FATAL_ERROR "lintian finds errors in ${packages}")
endif()
