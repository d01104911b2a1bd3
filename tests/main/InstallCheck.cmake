# Installs the build into a temporary root (DESTDIR) and starts the installed program without a
# display, with HOME inside that root: it runs, finds nothing missing, and keeps its data in the
# per-user folder, never beside the installed program.
#   cmake -DBUILD=<build folder> -DROOT=<temporary root> -P InstallCheck.cmake
file(REMOVE_RECURSE "${ROOT}")
set(ENV{DESTDIR} "${ROOT}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /usr RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f usr/bin/qinglan usr/share/qinglan/HOLMHelp.html usr/share/applications/qinglan.desktop
          usr/share/icons/hicolor/scalable/apps/qinglan.svg)
  if(NOT EXISTS "${ROOT}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

set(ENV{HOME} "${ROOT}/home")
foreach(v DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_DATA_HOME)
  unset(ENV{${v}})
endforeach()
foreach(option --help --check)
  execute_process(COMMAND "${ROOT}/usr/bin/qinglan" ${option} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "qinglan ${option} ended with ${rc}: ${out}${err}")
  endif()
endforeach()
if(NOT EXISTS "${ROOT}/home/.local/share/qinglan/Data/db.data")
  message(FATAL_ERROR "the installed program did not keep its database in the per-user folder")
endif()
if(EXISTS "${ROOT}/usr/bin/Data")
  message(FATAL_ERROR "the installed program wrote beside itself")
endif()
file(REMOVE_RECURSE "${ROOT}")
