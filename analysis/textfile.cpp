#include "textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

namespace {

// Larger than any class's list or responses by far; a bigger file is not one of them.
constexpr qint64 MaxFileBytes = qint64{4} * 1024 * 1024;

// Tabs and line breaks are the only control codes a list holds. The C1 codes are what
// the five bytes the Windows code page leaves undefined decode to.
bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0x7F ||
           (u >= 0x80 && u <= 0x9F) || u == QChar::ReplacementCharacter;
}

int firstControlLine(const QString& text)
{
    int line = 1;
    for (const QChar c : text) {
        if (c == u'\n')
            ++line;
        else if (isControl(c))
            return line;
    }
    return 0;
}

QString decodeWith(QStringDecoder& decoder, const QByteArray& bytes)
{
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString tooLarge()
{
    return QCoreApplication::translate(
        "TextFile", "The file is too large to be a class list, a sheet of choices or a form's "
                    "responses.");
}

} // namespace

DecodedText decodeText(const QByteArray& bytes)
{
    QString text;
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        text = decodeWith(decoder, bytes);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8);
        text = decodeWith(utf8, bytes);
        if (utf8.hasError()) {
            QStringDecoder windows("windows-1252");
            text = windows.isValid() ? decodeWith(windows, bytes) : QString::fromLatin1(bytes);
        }
    }
    DecodedText out;
    out.badLine = firstControlLine(text);
    if (out.badLine == 0)
        out.text = text.normalized(QString::NormalizationForm_C);
    return out;
}

std::optional<QString> readTextFile(const QString& path, QString* error)
{
    QFile file(path);
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > MaxFileBytes)
        return fail(tooLarge());
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return fail(tooLarge());
    const DecodedText decoded = decodeText(bytes);
    if (!decoded.text)
        return fail(QCoreApplication::translate(
                        "TextFile", "line %1 is not text, neither in UTF-8 nor in the Windows "
                                    "code page (Windows-1252).")
                        .arg(decoded.badLine));
    return decoded.text;
}
