# Read by cpack when it makes a package: the maintainer is the person making it.
if(CPACK_GENERATOR STREQUAL "DEB")
  if("$ENV{DEBEMAIL}" STREQUAL "")
    message(FATAL_ERROR "Set DEBEMAIL (and DEBFULLNAME) to your name and address, the package's maintainer.")
  endif()
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
