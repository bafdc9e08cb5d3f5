# libc++'s own run-time checks (bounds and preconditions), as the libcxx preset asks with
# LIBCXX_CHECKS. libc++ has renamed the switch twice, and a retired name is a hard error:
#   up to 15: _LIBCPP_DEBUG=0 (its assertions);
#   16 and 17: _LIBCPP_ENABLE_ASSERTIONS=1 (_LIBCPP_DEBUG is an #error from 16);
#   18 on: _LIBCPP_HARDENING_MODE=_LIBCPP_HARDENING_MODE_EXTENSIVE (the assertions' switch is
#   deprecated in 19 and gone in 20).
# The version is read from _LIBCPP_VERSION by check compiles, not from the compiler's: Apple
# clang numbers its own versions differently. libc++ 15 writes it as 15000, 16 on as 160000.
include_guard()
include(CheckCXXSourceCompiles)

function(libcxx_version_at_least version result)
  set(CMAKE_REQUIRED_QUIET ON)
  set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)  # the headers alone tell
  check_cxx_source_compiles("
    #include <cstddef>
    #if !defined(_LIBCPP_VERSION) || _LIBCPP_VERSION < ${version}
    #error older, or not libc++
    #endif
    int main() { return 0; }" ${result})
  set(${result} ${${result}} PARENT_SCOPE)
endfunction()

if(LIBCXX_CHECKS)
  libcxx_version_at_least(0 LIBCXX_FOUND)
  libcxx_version_at_least(160000 LIBCXX_16_OR_LATER)
  libcxx_version_at_least(180000 LIBCXX_18_OR_LATER)
  if(NOT LIBCXX_FOUND)
    message(FATAL_ERROR "LIBCXX_CHECKS: the C++ library is not libc++ (add -stdlib=libc++), "
                        "or its headers refuse this compiler (too old for them?)")
  elseif(LIBCXX_18_OR_LATER)
    set(libcxxChecks -D_LIBCPP_HARDENING_MODE=_LIBCPP_HARDENING_MODE_EXTENSIVE)
  elseif(LIBCXX_16_OR_LATER)
    set(libcxxChecks -D_LIBCPP_ENABLE_ASSERTIONS=1)
  else()
    set(libcxxChecks -D_LIBCPP_DEBUG=0)
  endif()
  message(STATUS "libc++'s checks: ${libcxxChecks}")
  # Every target, GoogleTest's too, sees the library the same way.
  string(APPEND CMAKE_CXX_FLAGS " ${libcxxChecks}")
endif()
