#pragma once
// Where the program's data files lie. The shipped copies (the factor catalogues, the safety
// questions, the reference lists, the editor's help text and the help pages) are in the program's
// data folder: beside the executable after a build, or <prefix>/share/tarnik beside an installed
// <prefix>/bin/tarnik. The files the user changes (the catalogues and the questions in the
// catalogue editor or "na stałe", the reference lists) are written to the user's own folder and
// read from there first, so that a program installed where the user cannot write keeps working
// and the shipped copies stay the defaults.
#include <QString>

namespace tarnik {

// The shipped data folder of a program whose executable lies in `executableFolder`: the folder
// named by TARNIK_DATA_DIR when it is set (tests and development runs use it); otherwise the
// executable's folder when it holds the data; otherwise ../share/tarnik from it when that holds
// the data; otherwise the executable's folder, where a missing file is then reported.
QString shippedDataFolder(const QString& executableFolder);

// The user's folder of changed data files: $XDG_DATA_HOME/Tarnik (usually
// ~/.local/share/Tarnik); %APPDATA%\Tarnik on Windows.
QString userDataFolder();

// The file to read for a data file's name: the user's copy when there is one, else the shipped
// one in `shippedFolder`.
QString dataFileToRead(const QString& shippedFolder, const QString& fileName);

// The file to write a change of a data file to: the user's copy. When there is none yet, the
// user's folder is made and the shipped file copied there first, so that a change that adds to
// the file starts from the shipped text. A folder or copy that cannot be made is left to the
// write that follows, which reports it.
QString dataFileToWrite(const QString& shippedFolder, const QString& fileName);

} // namespace tarnik
