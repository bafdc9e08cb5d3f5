# The path macOS and Windows take, on Linux: no installed GoogleTest or Google Benchmark, and
# no GoogleTest sources at hand, so both come from the pinned downloads. Named through the
# CMAKE_TOOLCHAIN_FILE environment variable, so that README's commands run as written.
set(CMAKE_DISABLE_FIND_PACKAGE_GTest ON)
set(CMAKE_DISABLE_FIND_PACKAGE_benchmark ON)
set(GOOGLETEST_SOURCE_DIR "")
