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

# glimmerbox_library(<name> [DEPS <targets...>])
# Builds every .cpp/.h of the calling folder into the static library glimmerbox_<name>.
function(glimmerbox_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    set(target glimmerbox_${name})
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    if(NOT sources)
        # Nothing to compile yet: a header-only library keeps the dependency graph in place.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE "${CMAKE_CURRENT_SOURCE_DIR}" "${PROJECT_SOURCE_DIR}/Glimmerbox")
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
        return()
    endif()
    file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}" "${PROJECT_SOURCE_DIR}/Glimmerbox")
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
    target_precompile_headers(${target} PRIVATE ${GLIMMERBOX_PRECOMPILED})
    glimmerbox_warnings(${target})
endfunction()

# glimmerbox_test(<name> [DEPS <targets...>])
# Builds every *.cpp of the calling test folder into glimmerbox_tests_<name> and registers it with ctest.
function(glimmerbox_test name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    if(NOT sources)
        return()
    endif()
    set(target glimmerbox_tests_${name})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE glimmerbox_testsupport ${ARG_DEPS})
    target_precompile_headers(${target} PRIVATE ${GLIMMERBOX_PRECOMPILED} <gtest/gtest.h> <QSignalSpy>)
    glimmerbox_warnings(${target})
    # The test environment (offscreen platform, data folder, stand-in path) is set up by tests/support/TestMain.cpp.
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST)
endfunction()
