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
    const bool endsWithBreak = RawLines(document).last().isEmpty();

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

QString Memo::withCrLf(QString text)
{
    text.replace(QChar::ParagraphSeparator, CrLf);
    text.replace(QChar::LineSeparator, CrLf);
    return text;
}

QMimeData *Memo::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(withCrLf(textCursor().selectedText()));
    return data;
}

} // namespace brevasto
