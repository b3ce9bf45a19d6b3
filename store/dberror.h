#pragma once
#include "result.h"

// Numbers of the database errors, in the numbering of the error report. Lock and
// conflict trouble falls in the class that the report retries quietly.
namespace DbNumber {
constexpr int FileNotFound = 3024; // no file at the path
constexpr int CannotOpen = 3051;   // the file cannot be opened for writing (trouble)
constexpr int FileLocked = 3050;   // the locking protocol failed (trouble)
constexpr int Busy = 3260;         // another program holds the write lock (trouble)
constexpr int TableLocked = 3262;  // a table is locked by this process (trouble)
constexpr int Corrupt = 3049;      // damaged file
constexpr int NotADatabase = 3343; // not a database at all
constexpr int DiskFull = 3026;     // the disk or the file's size limit is full
constexpr int DiskError = 3043;    // a read or write of the file failed
constexpr int NoSuchTable = 3078;
constexpr int NoSuchField = 3265;
constexpr int NoSuchIndex = 3015;
constexpr int Constraint = 3022;
constexpr int DataTooBig = 3163;
constexpr int Other = 3001;
} // namespace DbNumber

// Turns an SQLite result code and message into the error the program reports.
DbError mapEngineError(int sqliteCode, const QString& message, const QString& path);
