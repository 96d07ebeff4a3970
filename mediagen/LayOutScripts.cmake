# Copies the hand-written scripts into the runnable media tree, dropping scripts that the
# source tree no longer has. Called with SOURCE and DESTINATION.
file(GLOB stale ${DESTINATION}/*.material ${DESTINATION}/*.overlay ${DESTINATION}/*.fontdef)
file(REMOVE ${stale})
file(COPY ${SOURCE}/ DESTINATION ${DESTINATION})
