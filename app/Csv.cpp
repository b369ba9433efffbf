#include "Csv.h"

namespace brevasto {

QList<CsvRecord> ParseCsv(const QByteArray &text)
{
    QList<CsvRecord> records;
    qsizetype at = text.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a UTF-8 byte order mark
    int line = 1;
    const qsizetype size = text.size();

    const auto atLineEnd = [&](qsizetype i) {
        return i >= size || text[i] == '\n' || (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n');
    };
    const auto skipLineEnd = [&](qsizetype &i) {
        if (i < size && text[i] == '\r')
            ++i;
        if (i < size && text[i] == '\n')
            ++i;
        ++line;
    };

    while (at < size) {
        CsvRecord record;
        record.line = line;
        QByteArray field;
        for (;;) {
            if (at < size && text[at] == '"') {
                // A quoted field runs to the next quote that is not doubled.
                const int opened = line;
                ++at;
                bool closed = false;
                while (at < size) {
                    if (text[at] == '"') {
                        if (at + 1 < size && text[at + 1] == '"') {
                            field += '"';
                            at += 2;
                            continue;
                        }
                        ++at;
                        closed = true;
                        break;
                    }
                    if (text[at] == '\n')
                        ++line;
                    field += text[at++];
                }
                if (!closed) {
                    record.error =
                        QStringLiteral("a quoted field opened on line %1 is never closed").arg(opened);
                    records += record;
                    return records;
                }
                if (!atLineEnd(at) && text[at] != ',') {
                    record.error = QStringLiteral("text after the closing quote of a field");
                    while (!atLineEnd(at))
                        ++at;
                    skipLineEnd(at);
                    records += record;
                    break;
                }
            } else {
                while (!atLineEnd(at) && text[at] != ',')
                    field += text[at++];
            }
            record.fields += field;
            field.clear();
            if (at < size && text[at] == ',') {
                ++at;
                continue;
            }
            skipLineEnd(at);
            records += record;
            break;
        }
    }
    return records;
}

} // namespace brevasto
