# Copies the hand-written scripts into the runnable media tree, dropping scripts that the
# source tree no longer has. Called with SOURCE and DESTINATION.
file(GLOB stale ${DESTINATION}/*.material ${DESTINATION}/*.overlay ${DESTINATION}/*.fontdef)
if(stale)
  file(REMOVE ${stale})
endif()
file(COPY ${SOURCE}/ DESTINATION ${DESTINATION})
