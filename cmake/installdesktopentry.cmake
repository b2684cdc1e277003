# Run by `cmake --install`: writes the desktop entry from its template with the installed
# program in the Exec line, quoted as the program quotes it when it writes its own entry (double
# quotes; '"', '`', '$' and '\' escaped; '%' doubled). TARNIK_DESKTOP_TEMPLATE and
# TARNIK_INSTALL_BINDIR / TARNIK_INSTALL_SHAREDIR are set by the install rules before this runs.
set(exe "${CMAKE_INSTALL_PREFIX}/${TARNIK_INSTALL_BINDIR}/tarnik")
string(REPLACE "\\" "\\\\" exe "${exe}")
string(REPLACE "\"" "\\\"" exe "${exe}")
string(REPLACE "`" "\\`" exe "${exe}")
string(REPLACE "$" "\\$" exe "${exe}")
string(REPLACE "%" "%%" exe "${exe}")
file(READ "${TARNIK_DESKTOP_TEMPLATE}" entry)
string(REPLACE "@TARNIK_EXEC@" "\"${exe}\"" entry "${entry}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${TARNIK_INSTALL_SHAREDIR}/applications/tarnik.desktop")
message(STATUS "Installing: ${target}")
file(WRITE "${target}" "${entry}")
