#pragma once

#include <QPlainTextEdit>
#include <QString>

class QMimeData;

namespace brevasto {

// The line list of a multi-line text control, as the rest of the program sees it:
// lines separated by CR LF, where an empty rest after the last line break is not a line.
// Characters are taken raw from the document, so a non-breaking space stays one.
class MemoLines
{
public:
    explicit MemoLines(QPlainTextEdit *edit);

    // The number of lines, not counting the empty rest after a final line break;
    // an empty control has none.
    int count() const;
    // Line `index` (from 0) without its line break.
    QString line(int index) const;
    // Empties the whole text in one step.
    void clear();
    // Puts `line` and a line break at the start of line count(): in an empty control,
    // or one whose text ends with a line break, that is the very end of the text.
    // The insertion is not recorded for undo.
    void append(const QString &line);
    // The whole text, every line break written as CR LF.
    QString text() const;

private:
    QPlainTextEdit *m_edit;
};

// A multi-line text control whose text leaves it, by copy, cut or drag, exactly as
// the program holds it: CR LF line breaks, and every character as it is (Qt's own
// plain-text export would turn a non-breaking space into a blank).
class Memo : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    MemoLines lines() { return MemoLines(this); }

protected:
    QMimeData *createMimeDataFromSelection() const override;
};

} // namespace brevasto
