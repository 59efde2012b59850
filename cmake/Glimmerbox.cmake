# Shared build rules: warnings, one static library per source folder, one test binary per test folder.

function(glimmerbox_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(GLIMMERBOX_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Qt's and the standard library's headers parsed once per target instead of once per source file: most of a
# cold build's time went to parsing them again for every file.
set(GLIMMERBOX_PRECOMPILED <optional> <functional> <memory> <algorithm> <vector> <QObject> <QString> <QList>
    <QHash> <QDateTime> <QUrl> <QJsonObject> <QWidget> <QPainter> <QCoroTask>)

# glimmerbox_folder_files(<out> [<rooms...>])
# The .cpp and .h files of the calling folder and of the rooms (subfolders by concern) it names.
function(glimmerbox_folder_files out)
    set(globs "")
    foreach(folder IN ITEMS "${CMAKE_CURRENT_SOURCE_DIR}" ${ARGN})
        cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}")
        list(APPEND globs "${folder}/*.cpp" "${folder}/*.h")
    endforeach()
    file(GLOB files CONFIGURE_DEPENDS ${globs})
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# glimmerbox_library(<name> [ROOMS <subfolders...>] [DEPS <targets...>])
# Builds every .cpp/.h of the calling folder and its rooms into the static library glimmerbox_<name>.
function(glimmerbox_library name)
    cmake_parse_arguments(ARG "" "" "ROOMS;DEPS" ${ARGN})
    glimmerbox_folder_files(sources ${ARG_ROOMS})
    set(target glimmerbox_${name})
    set(headers ${sources})
    list(FILTER headers INCLUDE REGEX "\\.h$")
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    if(NOT sources)
        # Nothing to compile yet: a header-only library keeps the dependency graph in place.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE "${CMAKE_CURRENT_SOURCE_DIR}" "${PROJECT_SOURCE_DIR}/Glimmerbox")
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
        return()
    endif()
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}" "${PROJECT_SOURCE_DIR}/Glimmerbox")
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
    target_precompile_headers(${target} PRIVATE ${GLIMMERBOX_PRECOMPILED})
    glimmerbox_warnings(${target})
endfunction()

# glimmerbox_test(<name> [ROOMS <subfolders...>] [DEPS <targets...>])
# Builds every *.cpp of the calling test folder and its rooms into glimmerbox_tests_<name> and registers it with
# ctest.
function(glimmerbox_test name)
    cmake_parse_arguments(ARG "" "" "ROOMS;DEPS" ${ARGN})
    glimmerbox_folder_files(sources ${ARG_ROOMS})
    if(NOT sources)
        return()
    endif()
    set(target glimmerbox_tests_${name})
    add_executable(${target} ${sources})
    # The folder's own helpers (fakes, fixtures) beside the rooms serve the tests of every room.
    target_include_directories(${target} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
    target_link_libraries(${target} PRIVATE glimmerbox_testsupport ${ARG_DEPS})
    target_precompile_headers(${target} PRIVATE ${GLIMMERBOX_PRECOMPILED} <gtest/gtest.h> <QSignalSpy>)
    glimmerbox_warnings(${target})
    # The test environment (offscreen platform, data folder, stand-in path) is set up by tests/support/TestMain.cpp.
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST)
endfunction()
