# Debian's build flags, as dpkg-buildflags gives them to every package with
# all hardening on: _FORTIFY_SOURCE, the stack protector, format checks and
# a read-only relocation table bound at start-up (relro, now). The programs
# read files and serial bytes from outside, so every build that is not a
# sanitizer or fuzzer build gets them, not only the package: the tests then
# exercise the binaries as they are shipped. Position independence is not
# asked for here; Debian's compiler makes PIE executables by default, and the
# toolkit already compiles its users with -fPIC.
#
# A build type chooses the optimisation and debug information; only a build
# without one (the package's, as Debian builds with CMake) takes those from
# dpkg-buildflags as well (-g -O2).
find_program(ZUNOV_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT ZUNOV_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags is missing: scripts/setup installs dpkg-dev, "
        "or configure with -DZUNOV_HARDENING=OFF")
endif()

function(zunov_debian_flags kind out)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${ZUNOV_DPKG_BUILDFLAGS} --get ${kind}
        # The source folder is the one -ffile-prefix-map maps to ".", so that
        # no binary carries the path it was built in.
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

zunov_debian_flags(CPPFLAGS preprocessor_flags)
zunov_debian_flags(CXXFLAGS compiler_flags)
zunov_debian_flags(LDFLAGS linker_flags)

if(NOT CMAKE_BUILD_TYPE STREQUAL "" AND NOT CMAKE_BUILD_TYPE STREQUAL "None")
    list(FILTER compiler_flags EXCLUDE REGEX "^-(g.*|O.*)$")
endif()

# Debian 13's dpkg-buildflags adds stack clash protection, and on amd64
# control-flow protection, to the same set; hardening-check asks for both.
# This compiler has them, so the binaries get them here too.
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "ZUNOV_HAS${flag}" supported)
    if(NOT flag IN_LIST compiler_flags)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported})
            list(APPEND compiler_flags ${flag})
        endif()
    endif()
endforeach()

foreach(flag ${preprocessor_flags})
    # The C library's checked functions need an optimising build; a debug
    # build would only be told so in a warning that -Werror makes fatal.
    if(flag MATCHES "^-D_FORTIFY_SOURCE")
        add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
    else()
        add_compile_options(${flag})
    endif()
endforeach()
add_compile_options(${compiler_flags})
add_link_options(${linker_flags})
