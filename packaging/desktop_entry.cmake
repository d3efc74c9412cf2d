# Runs at install time, when the prefix is known. The desktop entry starts the game by its full
# path: <prefix>/games is not on every PATH (~/.local/games never is).
set(exec "${CMAKE_INSTALL_PREFIX}/${BRILLOR_INSTALL_BINDIR}/brillor")
if(exec MATCHES "[^A-Za-z0-9/._+-]")
  # A path with spaces or other reserved characters is quoted. Inside the quotes " ` and $ take
  # a backslash, written doubled because the entry's values are unescaped once before the
  # command is split.
  string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
set(BRILLOR_EXEC "${exec}")
# Written straight to its place (the build folder may not be the installer's to write).
set(entry "${CMAKE_INSTALL_PREFIX}/share/applications/${BRILLOR_APP_ID}.desktop")
message(STATUS "Installing: $ENV{DESTDIR}${entry}")
configure_file("${BRILLOR_DESKTOP_TEMPLATE}" "$ENV{DESTDIR}${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
