# Four lines: the address of x twice, a different address, then 20. Addresses print as hex,
# with 0x in front or, under MSVC, zero-padded without it.
set(address "(0x)?[0-9a-fA-F]+")
if(NOT actual MATCHES "^(${address})\n(${address})\n(${address})\n20\n$")
  set(check_failure "expected three addresses, the first two equal, then 20")
elseif(NOT CMAKE_MATCH_1 STREQUAL CMAKE_MATCH_3 OR CMAKE_MATCH_1 STREQUAL CMAKE_MATCH_5)
  set(check_failure "the first two addresses should be equal and the third another")
endif()
