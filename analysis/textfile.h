#pragma once
// The text of a file a teacher picked: a class list, a sheet of choices or a form's
// responses, as a spreadsheet or a form tool saved it.

#include <QByteArray>
#include <QString>
#include <optional>

struct DecodedText {
    std::optional<QString> text; // in composed form (NFC), without a byte-order mark
    int badLine = 0;             // when there is no text: the line that is not text, from 1
};

// UTF-8 (or the encoding a byte-order mark names); otherwise the Windows code page
// spreadsheets save in. Bytes that are text in neither leave no text.
DecodedText decodeText(const QByteArray& bytes);

// The text of a file; nothing, and `error` says why, when it cannot be read or is not text.
std::optional<QString> readTextFile(const QString& path, QString* error = nullptr);
