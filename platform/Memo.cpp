#include "Memo.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace brevasto {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The document's blocks as raw lines; a line separator inside a block
// (Shift+Enter) is a line break like any other.
QStringList RawLines(const QTextDocument *document)
{
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines += block.text().split(QChar::LineSeparator);
    return lines;
}

// Whether the text ends with a line break, so that the next line goes right at its end.
// Only the last block is looked at: this runs for every line of every new page.
bool EndsWithBreak(const QTextDocument *document)
{
    const QString last = document->lastBlock().text();
    return last.isEmpty() || last.endsWith(QChar::LineSeparator);
}

// Turns the line separators of Qt's text document into CR LF.
QString WithCrLf(QString text)
{
    text.replace(QChar::ParagraphSeparator, CrLf);
    text.replace(QChar::LineSeparator, CrLf);
    return text;
}

} // namespace

MemoLines::MemoLines(QPlainTextEdit *edit)
    : m_edit(edit)
{}

int MemoLines::count() const
{
    const QStringList lines = RawLines(m_edit->document());
    return lines.size() - (lines.last().isEmpty() ? 1 : 0);
}

QString MemoLines::line(int index) const
{
    return RawLines(m_edit->document()).value(index);
}

void MemoLines::clear()
{
    m_edit->clear();
}

void MemoLines::append(const QString &line)
{
    QTextDocument *document = m_edit->document();
    const bool endsWithBreak = EndsWithBreak(document);

    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    cursor.insertText((endsWithBreak ? QString() : QStringLiteral("\n")) + line + QStringLiteral("\n"));
    document->setUndoRedoEnabled(undo);
}

QString MemoLines::text() const
{
    return RawLines(m_edit->document()).join(CrLf);
}

QMimeData *Memo::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(WithCrLf(textCursor().selectedText()));
    return data;
}

} // namespace brevasto
