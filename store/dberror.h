#pragma once
#include "codes.h"
#include "result.h"

namespace DbNumber = Codes::DbNumber;

// Turns an SQLite result code and message into the error the program reports.
DbError mapEngineError(int sqliteCode, const QString& message, const QString& path);
