# Run with cmake -P: configures a scratch copy of the project with a stray .cpp in a folder that no ROOMS list
# names, in the sources and in the tests; the configure must fail naming both folders. Without the strays the
# same copy configures. Then, in that configured build, a .cpp added to a built folder joins its target and
# one added in a new unnamed folder fails the next build, naming the folder: nobody configures again by hand.
# -DSOURCE_DIR=<project> -DWORK_DIR=<scratch folder> -DGENERATOR=<CMake generator> -DCXX=<compiler>
foreach(variable IN ITEMS SOURCE_DIR WORK_DIR GENERATOR CXX)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

set(copy "${WORK_DIR}/source")
set(build "${WORK_DIR}/build")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${copy}")
file(COPY "${SOURCE_DIR}/CMakeLists.txt" "${SOURCE_DIR}/cmake" "${SOURCE_DIR}/Glimmerbox" "${SOURCE_DIR}/tests"
          "${SOURCE_DIR}/tools" DESTINATION "${copy}")

set(strays "${copy}/Glimmerbox/app/stray/Stray.cpp" "${copy}/tests/notch/stray/StrayTest.cpp")
foreach(stray IN LISTS strays)
    file(WRITE "${stray}" "int stray() { return 1; }\n")
endforeach()

function(configure_copy result_var output_var)
    execute_process(COMMAND "${CMAKE_COMMAND}" -S "${copy}" -B "${build}" -G "${GENERATOR}"
                            "-DCMAKE_CXX_COMPILER=${CXX}" -DGLIMMERBOX_BENCH=OFF
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    set(${result_var} ${result} PARENT_SCOPE)
    set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

configure_copy(result output)
if(result EQUAL 0)
    message(FATAL_ERROR "The configure passed with .cpp files that no target compiles:\n${output}")
endif()
foreach(folder IN ITEMS "Glimmerbox/app/stray" "tests/notch/stray")
    string(FIND "${output}" "${folder}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "The configure failed without naming ${folder}:\n${output}")
    endif()
endforeach()
foreach(folder IN ITEMS "Glimmerbox/app," "tests/notch,")
    string(FIND "${output}" "${folder}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "The configure named ${folder} whose files are built:\n${output}")
    endif()
endforeach()

file(REMOVE ${strays})
configure_copy(result output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Without the strays the copy does not configure:\n${output}")
endif()

# The cheapest build there is: it compiles nothing, but first brings the build files up to date with the
# folders, as every build does.
function(build_copy result_var output_var)
    execute_process(COMMAND "${CMAKE_COMMAND}" --build "${build}" --target help
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    set(${result_var} ${result} PARENT_SCOPE)
    set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

set(added "${copy}/Glimmerbox/app/AddedLater.cpp")
file(WRITE "${added}" "int addedLater() { return 1; }\n")
build_copy(result output)
file(READ "${build}/compile_commands.json" commands)
string(FIND "${commands}" "AddedLater.cpp" at)
if(NOT result EQUAL 0 OR at EQUAL -1)
    message(FATAL_ERROR "A .cpp added to a built folder is not compiled by the next build:\n${output}")
endif()

set(late_stray "${copy}/Glimmerbox/app/laterstray/LateStray.cpp")
file(WRITE "${late_stray}" "int lateStray() { return 1; }\n")
build_copy(result output)
if(result EQUAL 0)
    message(FATAL_ERROR "The build passed with a .cpp added where no target compiles it:\n${output}")
endif()
string(FIND "${output}" "Glimmerbox/app/laterstray" at)
if(at EQUAL -1)
    message(FATAL_ERROR "The build failed without naming Glimmerbox/app/laterstray:\n${output}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
