# Installs the build BUILD into PREFIX and checks what an installation must hold: the three
# Installs the build BUILD into PREFIX and checks what an installation must hold: the three
# programs (q7ctl with its drawing and catalog modules), the desktop entry and its icon, man pages that render
# without warnings, bash completion that parses, and the copyright and changelog Debian asks for.
# Run by ctest (InstallLayout).
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

foreach(file bin/q7-config-tool bin/q7ctl bin/q7-player-sim
             share/applications/q7-config-tool.desktop
             share/icons/hicolor/scalable/apps/q7-config-tool.svg
             share/man/man1/q7-config-tool.1.gz share/man/man1/q7ctl.1.gz share/man/man1/q7-player-sim.1.gz
             share/bash-completion/completions/q7ctl
             share/doc/q7-config-tool/copyright share/doc/q7-config-tool/changelog.Debian.gz)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(READ ${PREFIX}/share/applications/q7-config-tool.desktop entry)
foreach(line "Exec=q7-config-tool --desktop" "Icon=q7-config-tool" "Type=Application")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()

foreach(page q7-config-tool q7ctl q7-player-sim)
  execute_process(COMMAND sh -c "gzip -dc '${PREFIX}/share/man/man1/${page}.1.gz' | groff -man -Tutf8 -ww -z"
                  ERROR_VARIABLE warnings RESULT_VARIABLE failed)
  if(failed OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "man page ${page}: ${warnings}")
  endif()
endforeach()

execute_process(COMMAND bash -n ${PREFIX}/share/bash-completion/completions/q7ctl RESULT_VARIABLE failed)
execute_process(COMMAND ${PREFIX}/bin/q7ctl --version OUTPUT_VARIABLE version RESULT_VARIABLE failedVersion)
if(failed OR failedVersion OR NOT version MATCHES "^q7ctl [0-9.]+\n$")
  message(FATAL_ERROR "installed q7ctl or its completion does not work: ${version}")
endif()
# The installed q7ctl finds its drawing module where the installation put it.
file(MAKE_DIRECTORY ${PREFIX}/drawn)
execute_process(COMMAND ${PREFIX}/bin/q7ctl bitmap Q7 --save ${PREFIX}/drawn OUTPUT_QUIET ERROR_VARIABLE drawError
                RESULT_VARIABLE failed)
if(failed OR NOT EXISTS ${PREFIX}/drawn/message.target)
  message(FATAL_ERROR "installed q7ctl cannot draw: ${drawError}")
endif()
# For a catalog language it loads its catalog module from where the installation put it.
execute_process(COMMAND env LANGUAGE=ja LD_DEBUG=files ${PREFIX}/bin/q7ctl --help OUTPUT_QUIET ERROR_VARIABLE loaded
                RESULT_VARIABLE failed)
if(failed OR NOT loaded MATCHES "q7-config-tool/q7ctl-translate\\.so")
  message(FATAL_ERROR "installed q7ctl does not load its catalog module: ${loaded}")
endif()
