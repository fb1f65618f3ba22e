// Loading and saving the database files named on the command line, with the
// reason printed and the exit code returned when that fails.
#pragma once

#include "Database.h"

#include <QByteArray>
#include <QString>

#include <string>

QString PathArg(const std::string& arg);

// Loads path into db; on failure prints why and returns the exit code.
int LoadOrReport(Database& db, const std::string& path);

// Prints that path cannot be read and why; returns the exit code.
int ReportCannotOpen(const std::string& path, const QString& reason);

// Prints that path cannot be written and why; returns the exit code.
int ReportCannotWrite(const std::string& path, const QString& reason);

// Prints that path is not a correct file and why, at line when it is above
// 0; returns the exit code.
int ReportNotCorrect(const std::string& path, int line, const std::string& reason);

// Saves db to path as Save As does; on failure prints why and returns the
// exit code (nothing is written then).
int SaveOrReport(Database& db, const std::string& path);
