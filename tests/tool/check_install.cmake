# Installs the build folder BUILD_DIR into the fresh prefix PREFIX and checks that every
# installed file is where a desktop and the editor look for it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(expected IN ITEMS
        bin/torvelle
        bin/torvelle-tool
        share/torvelle/lang/English.lng
        share/torvelle/lang/Magyar.lng
        share/applications/org.torvelle.Torvelle.desktop
        share/icons/hicolor/scalable/apps/org.torvelle.Torvelle.svg
        share/metainfo/org.torvelle.Torvelle.metainfo.xml
        share/mime/packages/org.torvelle.Torvelle.xml)
  if(NOT EXISTS ${PREFIX}/${expected})
    message(FATAL_ERROR "not installed: ${expected}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
