// The line list of a multi-line text control and the text it hands out.

#include "Memo.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

using brevasto::Memo;

class tst_Memo : public QObject
{
    Q_OBJECT

private slots:
    void count_data();
    void count();
    void append_data();
    void append();
    void appendIsNotUndone();
    void clear();
    void copyGivesTheTextAsHeld();
};

void tst_Memo::count_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one line without break") << "a" << QStringList{"a"};
    QTest::newRow("one line with break") << "a\n" << QStringList{"a"};
    QTest::newRow("empty line then break") << "\n" << QStringList{""};
    QTest::newRow("two breaks") << "a\n\n" << QStringList{"a", ""};
    QTest::newRow("no-break space kept") << QString("\u00A0a\u00A0\nb") << QStringList{"\u00A0a\u00A0", "b"};
}

void tst_Memo::count()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);

    Memo memo;
    memo.setPlainText(text);
    QCOMPARE(memo.lines().count(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(memo.lines().line(i), lines[i]);
}

void tst_Memo::append_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("appended");
    QTest::addColumn<QString>("text");

    QTest::newRow("into empty") << QString() << QStringList{"a", "b"} << "a\r\nb\r\n";
    QTest::newRow("empty line") << QString() << QStringList{"a", "", "b"} << "a\r\n\r\nb\r\n";
    QTest::newRow("after a final break") << "x\n" << QStringList{"a"} << "x\r\na\r\n";
    QTest::newRow("after a line without break") << "x" << QStringList{"a"} << "x\r\na\r\n";
}

void tst_Memo::append()
{
    QFETCH(QString, before);
    QFETCH(QStringList, appended);
    QFETCH(QString, text);

    Memo memo;
    memo.setPlainText(before);
    auto lines = memo.lines();
    for (const QString &line : appended)
        lines.append(line);
    QCOMPARE(lines.text(), text);
}

void tst_Memo::appendIsNotUndone()
{
    Memo memo;
    memo.lines().append(QStringLiteral("page"));
    QVERIFY(!memo.document()->isUndoAvailable());
    QCOMPARE(memo.lines().text(), QStringLiteral("page\r\n"));
}

void tst_Memo::clear()
{
    Memo memo;
    memo.setPlainText(QStringLiteral("a\nb\n"));
    memo.lines().clear();
    QCOMPARE(memo.lines().count(), 0);
    QCOMPARE(memo.lines().text(), QString());
}

void tst_Memo::copyGivesTheTextAsHeld()
{
    Memo memo;
    memo.lines().append(QStringLiteral("\u00A0one \u00A0"));
    memo.lines().append(QStringLiteral("two"));
    memo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&memo));
    memo.setFocus();
    QApplication::clipboard()->clear();

    QTest::keySequence(&memo, QKeySequence::SelectAll);
    QTest::keySequence(&memo, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("\u00A0one \u00A0\r\ntwo\r\n"));
}

QTEST_MAIN(tst_Memo)
#include "tst_memo.moc"
