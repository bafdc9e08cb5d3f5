# Google Benchmark for bench/: an installed one (Debian: libbenchmark-dev), or else a download
# of the pinned release. Where neither is to be had, benchmark_FOUND stays false and the
# benchmarks are left out.
include(FetchContent)
include(DownloadPinned)

set(BENCHMARK_URL https://github.com/google/benchmark/archive/refs/tags/v1.9.1.tar.gz
    CACHE STRING "Where to download Google Benchmark from where it is not installed")
# Release 1.9.1, the one Debian 13 ships, which asks for CMake 3.10 or later; the same archive,
# byte for byte, as Debian's benchmark_1.9.1.orig.tar.gz.
set(benchmarkSha256 32131c08ee31eeff2c8968d7e874f3cb648034377dfc32a4c377fa8796d84981)

find_package(benchmark CONFIG QUIET)
if(NOT benchmark_FOUND)
  download_pinned(benchmark ${BENCHMARK_URL} ${benchmarkSha256} archive)
  if(archive)
    FetchContent_Declare(benchmark URL ${archive} URL_HASH SHA256=${benchmarkSha256})
    set(BENCHMARK_ENABLE_TESTING OFF CACHE BOOL "" FORCE)
    set(BENCHMARK_ENABLE_INSTALL OFF CACHE BOOL "" FORCE)
    set(BENCHMARK_INSTALL_DOCS OFF CACHE BOOL "" FORCE)
    set(BENCHMARK_ENABLE_WERROR OFF CACHE BOOL "" FORCE)
    FetchContent_MakeAvailable(benchmark)
    set(benchmark_FOUND TRUE)
  else()
    message(STATUS "Benchmarks left out: Google Benchmark is not installed (Debian/Ubuntu: "
                   "apt-get install libbenchmark-dev) and could not be downloaded "
                   "(${benchmark_DOWNLOAD_ERROR})")
  endif()
endif()
