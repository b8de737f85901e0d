# Compiles the help project with qhelpgenerator and fails the build on any error
# or warning it reports, and on a contents entry or keyword that leads to no page.
#   cmake -DGENERATOR=... -DPROJECT_FILE=... -DOUTPUT=... -P compile-help.cmake
file(READ "${PROJECT_FILE}" project)
string(REGEX MATCHALL "ref=\"[^\"]+\"" refs "${project}")
foreach(ref IN LISTS refs)
  string(REGEX REPLACE "ref=\"([^\"#]+).*\"" "\\1" page "${ref}")
  if(NOT project MATCHES "<file>${page}</file>")
    message(FATAL_ERROR "Help: ${ref} leads to a page the project does not list")
  endif()
endforeach()

execute_process(
  COMMAND "${GENERATOR}" "${PROJECT_FILE}" -o "${OUTPUT}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "(Error|Warning)")
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "Help: qhelpgenerator reported a problem:\n${output}")
endif()
