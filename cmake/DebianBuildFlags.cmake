# Debian's hardening flags, as Debian builds its own packages: the stack
# protector, fortified functions, full RELRO with immediate binding, and PIE
# (the compiler's default here), from dpkg-buildflags; then the stack clash
# protection that dpkg-buildflags adds from Debian 13 on. Functions are
# fortified at level 3, which also checks the calls whose sizes are known only
# at run time (GCC 12, glibc 2.36): at level 2 the window program has no call
# the compiler can check. Only the hardening flags are taken; the
# optimisation and debug flags stay the build type's.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS OR NETQUILL_SANITIZE OR NETQUILL_FUZZ)
  return()
endif()

foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags INCLUDE REGEX "^(-fstack-|-fcf-protection|-D_FORTIFY_SOURCE=|-Wformat|-Werror=format|-Wl,-z,)")
  if(kind STREQUAL LDFLAGS)
    add_link_options(${flags})
  else()
    list(TRANSFORM flags REPLACE "^-D_FORTIFY_SOURCE=.*$" "-D_FORTIFY_SOURCE=3")
    # Fortified functions need the optimiser: a debug build goes without them.
    list(TRANSFORM flags REPLACE "^(-D_FORTIFY_SOURCE=.*)$" "$<$<NOT:$<CONFIG:Debug>>:\\1>")
    add_compile_options(${flags})
  endif()
endforeach()
add_compile_options(-fstack-clash-protection)
