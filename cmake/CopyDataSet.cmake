# Puts a shipped data set next to the programs without ever replacing a user's own:
#   cmake -DSOURCE=shipped.csv -DDESTINATION=bin/x.csv -DRECORD=stamp -P CopyDataSet.cmake
# The file is copied where none stands yet, or where the one there is what this script put
# there last time (its hash is kept in RECORD) and the shipped one has changed since.
file(SHA256 ${SOURCE} shipped)
if(EXISTS ${DESTINATION})
  file(SHA256 ${DESTINATION} present)
  set(copied "")
  if(EXISTS ${RECORD})
    file(READ ${RECORD} copied)
  endif()
  if(present STREQUAL shipped)
    return()
  elseif(NOT present STREQUAL copied)
    message(STATUS "Keeping ${DESTINATION}: it is not the shipped data set")
    return()
  endif()
endif()
file(COPY_FILE ${SOURCE} ${DESTINATION})
file(WRITE ${RECORD} ${shipped})
