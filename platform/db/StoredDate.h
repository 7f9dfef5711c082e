#pragma once

#include <QDateTime>
#include <QString>

// Reads a date as SQLite files hold them: ISO 8601 with "T" or a space between
// date and time, with or without milliseconds or a zone, or a date alone.
// Returns an invalid QDateTime for anything else.
QDateTime parseStoredDate(const QString &text);
