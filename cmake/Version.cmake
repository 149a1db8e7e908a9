# The build's version files from one number, MAJOR.MINOR.PATCH.TWEAK: the
# header the resource scripts read, the manifests with it in their identity,
# and version.txt for tools/package. Everything goes under `dir`, which the
# resource scripts put before the sources on their include path.
function(dustrel_version_files dir version)
  if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "version ${version} is not MAJOR.MINOR.PATCH.TWEAK")
  endif()
  set(DUSTREL_VERSION ${version})
  set(DUSTREL_VERSION_MAJOR ${CMAKE_MATCH_1})
  set(DUSTREL_VERSION_MINOR ${CMAKE_MATCH_2})
  set(DUSTREL_VERSION_PATCH ${CMAKE_MATCH_3})
  set(DUSTREL_VERSION_TWEAK ${CMAKE_MATCH_4})
  configure_file(${CMAKE_SOURCE_DIR}/res/Version.h.in ${dir}/res/Version.h @ONLY)
  file(GLOB manifests ${CMAKE_SOURCE_DIR}/res/*.manifest)
  foreach(manifest ${manifests})
    get_filename_component(name ${manifest} NAME)
    configure_file(${manifest} ${dir}/res/${name} @ONLY)
  endforeach()
  file(WRITE ${dir}/version.txt "${version}\n")
endfunction()

# The build's version files; a configure with -DDUSTREL_VERSION=... builds
# another release from the same sources.
if(NOT DUSTREL_VERSION)
  set(DUSTREL_VERSION ${PROJECT_VERSION})
endif()
set(DUSTREL_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
dustrel_version_files(${DUSTREL_VERSION_DIR} ${DUSTREL_VERSION})
