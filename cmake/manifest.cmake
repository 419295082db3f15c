# Writes OUTPUT, an application manifest (run as the invoking user) whose
# version comes from resources/version.h, the one place that names it.
function(tunrix_write_manifest OUTPUT NAME DESCRIPTION)
    file(STRINGS ${CMAKE_SOURCE_DIR}/resources/version.h major REGEX "^#define TUNRIX_VERSION_MAJOR")
    file(STRINGS ${CMAKE_SOURCE_DIR}/resources/version.h minor REGEX "^#define TUNRIX_VERSION_MINOR")
    string(REGEX REPLACE ".*MAJOR +([0-9]+).*" "\\1" TUNRIX_VERSION_MAJOR "${major}")
    string(REGEX REPLACE ".*MINOR +([0-9]+).*" "\\1" TUNRIX_VERSION_MINOR "${minor}")
    set(MANIFEST_NAME ${NAME})
    set(MANIFEST_DESCRIPTION ${DESCRIPTION})
    configure_file(${CMAKE_SOURCE_DIR}/resources/app.manifest.in ${OUTPUT} @ONLY)
endfunction()
