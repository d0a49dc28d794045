# Read by cpack before it writes a package. A Debian package lists the libraries the
# program needs, found by dpkg-shlibdeps (which needs file); without them cpack would
# write a package that installs and then cannot start. Refuse instead.
if(CPACK_GENERATOR STREQUAL "DEB")
    foreach(tool dpkg-shlibdeps file)
        find_program(found_${tool} ${tool})
        if(NOT found_${tool})
            message(FATAL_ERROR "quendal: the Debian package needs ${tool}, which is not installed "
                                "(apt-get install dpkg-dev file); no package written.")
        endif()
    endforeach()
endif()
