# A precompiled header shared by the test programs: the test framework and the standard headers
# take a third of a small test source's compile time. (The libraries gain nothing from one: their
# time goes to code generation, and loading a header this size costs as much as it saves.)
#
#   glv_precompile_test(target)
#
# GLV_PCH=OFF builds without it (to check that every test source includes what it uses).
option(GLV_PCH "Precompile the test programs' common headers" ON)

set(GLV_PCH_STD <algorithm> <array> <cmath> <cstdint> <cstdio> <cstdlib> <cstring> <functional>
    <map> <memory> <optional> <random> <set> <string> <string_view> <unordered_map> <utility>
    <variant> <vector>)
function(glv_precompile_test target)
  if(NOT GLV_PCH)
    return()
  endif()
  if(NOT TARGET glv_test_pch)
    # A program of its own holds the shared header, compiled as the test programs are.
    add_executable(glv_test_pch ${CMAKE_SOURCE_DIR}/tests/support/PchHost.cpp)
    target_link_libraries(glv_test_pch PRIVATE GTest::gtest)
    target_precompile_headers(glv_test_pch PRIVATE ${GLV_PCH_STD} <gtest/gtest.h>)
    target_compile_definitions(glv_test_pch PRIVATE _REENTRANT)
  endif()
  target_precompile_headers(${target} REUSE_FROM glv_test_pch)
  # SDL's flags define _REENTRANT, which the C library's headers test: a header precompiled
  # without it is refused by the programs that link SDL, so every one defines it (as -pthread does).
  target_compile_definitions(${target} PRIVATE _REENTRANT)
endfunction()
