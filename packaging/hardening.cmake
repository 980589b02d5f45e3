# The compiler and linker flags Debian builds its packages with: PIE, read-only
# relocations bound at start, fortified functions and a stack protector. The
# sanitizer and debug builds go without them: fortification needs optimisation.
find_program(LURNATIK_DPKG_BUILDFLAGS dpkg-buildflags)
if(LURNATIK_DPKG_BUILDFLAGS AND NOT LURNATIK_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${LURNATIK_DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE LURNATIK_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE)
    endforeach()
    string(APPEND CMAKE_CXX_FLAGS " ${LURNATIK_CPPFLAGS} ${LURNATIK_CXXFLAGS}")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${LURNATIK_LDFLAGS}")
endif()
