#pragma once

#include <QString>

// The folders and paths the program computes at start. Folder values end with
// the platform separator '/'.
struct ProgramPaths
{
    QString ProgramFolder;  // folder of the program file
    QString TempFolder;     // the user's temporary folder (temporaryFolder())
    QString AppDataPath;    // roaming application data, no trailing separator
    QString UserDataFolder; // AppDataPath + "/Orvane/", or ProgramFolder when AppDataPath is empty
    QString SharedDataFolder; // all-users data folder + "/Orvane/"
    QString SettingsPath;     // UserDataFolder + program name + ".INI"
};

// The user's temporary folder, ending with '/': the first writable folder of
// TMPDIR, TEMP, TMP, /tmp, /var/tmp, /usr/tmp (the rule of Python's tempfile),
// else the current folder.
QString temporaryFolder();

// The global paths, filled by computeProgramPaths().
ProgramPaths &paths();

// Computes the paths for a program file (its folder and base name give the
// program folder and the settings file name), creates UserDataFolder and
// SharedDataFolder with their parents when missing (failure is not fatal), and
// copies the program folder's settings file to UserDataFolder when that has none.
void computeProgramPaths(const QString &programFile);

// Result codes of CopyFileBlocks.
enum CopyFileResult
{
    CopyOk = 0,
    CopySameName = 1,
    CopySourceUnreadable = 2,
    CopyDestinationUncreatable = 3,
    CopyShortWrite = 4
};

// Copies a file in blocks of 2048 bytes.
int CopyFileBlocks(const QString &source, const QString &destination);
