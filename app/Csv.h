#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace brevasto {

// One record of a CSV file: its fields, the line it starts on, and what was wrong with
// it when it could not be read.
struct CsvRecord
{
    QList<QByteArray> fields;
    int line = 0;
    QString error;
};

// Splits CSV text (RFC 4180: comma-separated fields, double quotes around a field that
// holds commas, quotes or line breaks, "" for a quote inside one) into records. Line
// breaks may be CR LF or LF. A record with broken quoting is returned with an error and
// reading goes on at the next line.
QList<CsvRecord> ParseCsv(const QByteArray &text);

} // namespace brevasto
