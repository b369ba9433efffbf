// Brevasto from the command line, run as users run it: the real program in a process of
// its own, its output and exit status read back.

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run Brevasto(const QStringList &arguments)
{
    QProcess process;
    // No display either way: the command line must never need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(BREVASTO_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(30000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

const QByteArray PhpPage =
    "<?php $URL=\"http://a.example/x?y=1\";\r\nheader (\"Location: $URL\");\r\nexit();\r\n?>\r\n";

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void print_data();
    void print();
    void helpAndVersion();
    void usageErrors_data();
    void usageErrors();
    void batch();
    void batchRefusesBadRows();
    void batchKeepsExistingPagesUnlessForced();
    void batchCannotWrite_data();
    void batchCannotWrite();
};

void tst_CommandLine::print_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("page");

    QTest::newRow("php by default") << QStringList{u"--print"_s, u"http://a.example/x?y=1"_s} << PhpPage;
    QTest::newRow("php named") << QStringList{u"--type"_s, u"php"_s, u"--print"_s,
                                              u"  http://a.example/x?y=1\t"_s}
                               << PhpPage;
    QTest::newRow("php, special characters")
        << QStringList{u"--print"_s, u"http://a.example/\"$x\\"_s}
        << "<?php $URL=\"http://a.example/\\\"\\$x\\\\\";\r\nheader (\"Location: $URL\");\r\nexit();\r\n?>\r\n"_ba;
    QTest::newRow("standard") << QStringList{u"--print"_s, u"--type=standard"_s, u"http://a/?b=1&c=2"_s}
                              << "<HTML><HEAD><TITLE>your-web-site</TITLE>\r\n"
                                 "<META HTTP-EQUIV=\"refresh\" CONTENT=\"0; URL=http://a/?b=1&amp;c=2\">\r\n"
                                 "</HEAD><BODY></BODY></HTML>\r\n"_ba;
    QTest::newRow("java")
        << QStringList{u"--print"_s, u"--type"_s, u"java"_s, u"http://a/it's"_s}
        << "<HTML><HEAD><TITLE>www.brevasto.example</TITLE></HEAD>\r\n"
           "<BODY onLoad=\"document.location.replace('http://a/it\\'s')\">\r\n"
           "<noscript>\r\n"
           "<CENTER><BR><BR><BR><BR><BR><BR><BR><BR><BR>\r\n"
           "Your browser does not support Javascript - please <a href=\"http://a/it's\">click "
           "here</a> to load the web page\r\n"
           "</CENTER>\r\n"
           "</noscript>\r\n"
           "</BODY></HTML>\r\n"_ba;
    QTest::newRow("empty link") << QStringList{u"--print"_s, QString()}
                                << "<?php $URL=\"\";\r\nheader (\"Location: $URL\");\r\nexit();\r\n?>\r\n"_ba;
    QTest::newRow("non-ASCII") << QStringList{u"--print"_s, u"http://a/gr\u00F6\u00DFe"_s}
                               << "<?php $URL=\"http://a/gr\xC3\xB6\xC3\x9F"
                                  "e\";\r\nheader (\"Location: $URL\");\r\n"
                                  "exit();\r\n?>\r\n"_ba;
}

void tst_CommandLine::print()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, page);

    const Run run = Brevasto(arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, page);
}

void tst_CommandLine::helpAndVersion()
{
    const Run help = Brevasto({u"--help"_s});
    QCOMPARE(help.exitCode, 0);
    for (const char *word : {"--print", "--batch", "--out", "--type", "--force", "LINK"})
        QVERIFY2(help.out.contains(word), word);

    const Run version = Brevasto({u"--version"_s});
    QCOMPARE(version.exitCode, 0);
    QVERIFY2(QRegularExpression(u"^brevasto \\d+\\.\\d+\\.\\d+\\n$"_s)
                 .match(QString::fromUtf8(version.out))
                 .hasMatch(),
             version.out.constData());
}

void tst_CommandLine::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem");

    QTest::newRow("no mode") << QStringList{u"http://a/"_s}
                             << "use either --print LINK or --batch FILE --out DIR";
    QTest::newRow("both modes") << QStringList{u"--print"_s, u"--batch"_s, u"f.csv"_s, u"http://a/"_s}
                                << "use either --print LINK or --batch FILE --out DIR";
    QTest::newRow("missing link") << QStringList{u"--print"_s} << "--print needs the LINK";
    QTest::newRow("two links") << QStringList{u"--print"_s, u"http://a/"_s, u"http://b/"_s}
                               << "one LINK, not 2";
    QTest::newRow("unknown type") << QStringList{u"--print"_s, u"--type"_s, u"asp"_s, u"http://a/"_s}
                                  << "unknown page type \"asp\"";
    QTest::newRow("type without value")
        << QStringList{u"--print"_s, u"http://a/"_s, u"--type"_s} << "Missing value after '--type'";
    QTest::newRow("unknown option") << QStringList{u"--print"_s, u"--colour"_s, u"http://a/"_s}
                                    << "Unknown option 'colour'";
    QTest::newRow("out with print") << QStringList{u"--print"_s, u"--out"_s, u"d"_s, u"http://a/"_s}
                                    << "--out and --force go with --batch";
    QTest::newRow("batch without out") << QStringList{u"--batch"_s, u"f.csv"_s} << "--batch needs --out DIR";
    QTest::newRow("batch with a link")
        << QStringList{u"--batch"_s, u"f.csv"_s, u"--out"_s, u"d"_s, u"http://a/"_s}
        << "unexpected \"http://a/\"";
}

void tst_CommandLine::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);

    const Run run = Brevasto(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("brevasto: ") && QString::fromUtf8(run.err).contains(problem),
             run.err.constData());
}

void tst_CommandLine::batch()
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(u"links.csv"_s);
    WriteFile(csv, "\xEF\xBB\xBFname,link\r\n"
                   "first,http://a.example/x?y=1\r\n"
                   "\r\n"
                   "\"second, quoted\",\"http://b.example/?q=\"\"x\"\"&r=1\"\r\n"
                   "third,\"  http://a.example/x?y=1\n\"\n"_ba);
    const QString out = dir.filePath(u"pages"_s); // made when missing

    const Run run = Brevasto({u"--batch"_s, csv, u"--out"_s, out});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, ("3 pages written to " + out + '\n').toUtf8());
    QCOMPARE(QDir(out).entryList(QDir::Files),
             QStringList({u"first.php"_s, u"second, quoted.php"_s, u"third.php"_s}));
    QCOMPARE(ReadFile(out + u"/first.php"_s), PhpPage);
    QCOMPARE(ReadFile(out + u"/third.php"_s), PhpPage);
    QCOMPARE(
        ReadFile(out + u"/second, quoted.php"_s),
        "<?php $URL=\"http://b.example/?q=\\\"x\\\"&r=1\";\r\nheader (\"Location: $URL\");\r\nexit();\r\n?>\r\n"_ba);

    const Run html = Brevasto({u"--batch"_s, csv, u"--out"_s, out, u"--type"_s, u"standard"_s});
    QCOMPARE(html.exitCode, 0);
    QVERIFY(QFile::exists(out + u"/first.html"_s));
    QVERIFY(ReadFile(out + u"/first.html"_s).contains("URL=http://a.example/x?y=1\">"));
}

void tst_CommandLine::batchRefusesBadRows()
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(u"links.csv"_s);
    WriteFile(csv, "good,http://a.example/x?y=1\n"
                   ",http://a/empty-name\n"
                   "a/b,http://a/slash\n"
                   "a\\b,http://a/backslash\n"
                   ".hidden,http://a/dot\n"
                   "..,http://a/dotdot\n"
                   "three,fields,here\n"
                   "lonely\n"
                   "\"bad\"quote,http://a/\n"
                   "also-good,http://a.example/x?y=1\n"
                   "open,\"http://a/\n"
                   "never closed\n"_ba);
    const QString out = dir.filePath(u"pages"_s);

    const Run run = Brevasto({u"--batch"_s, csv, u"--out"_s, out});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, ("2 pages written to " + out + '\n').toUtf8());
    const QStringList errors = QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts);
    const QStringList expected{
        u"brevasto: line 2: the name is empty"_s,
        u"brevasto: line 3: the name \"a/b\" holds a path separator"_s,
        u"brevasto: line 4: the name \"a\\b\" holds a path separator"_s,
        u"brevasto: line 5: the name \".hidden\" starts with a dot"_s,
        u"brevasto: line 6: the name \"..\" starts with a dot"_s,
        u"brevasto: line 7: expected 2 fields (name,link), found 3"_s,
        u"brevasto: line 8: expected 2 fields (name,link), found 1"_s,
        u"brevasto: line 9: text after the closing quote of a field"_s,
        u"brevasto: line 11: a quoted field opened on line 11 is never closed"_s,
    };
    QCOMPARE(errors, expected);
    QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({u"also-good.php"_s, u"good.php"_s}));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).contains(u"links.csv"_s));
}

void tst_CommandLine::batchKeepsExistingPagesUnlessForced()
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(u"links.csv"_s);
    WriteFile(csv, "go,http://a.example/x?y=1\ngo,http://b.example/\n"_ba);
    WriteFile(dir.filePath(u"go.php"_s), "my own page\n");

    const Run kept = Brevasto({u"--batch"_s, csv, u"--out"_s, dir.path()});
    QCOMPARE(kept.exitCode, 1);
    QCOMPARE(ReadFile(dir.filePath(u"go.php"_s)), "my own page\n"_ba);
    QVERIFY(kept.err.contains("line 1: " + dir.filePath(u"go.php"_s).toUtf8() + " already exists"));
    QVERIFY(kept.err.contains("line 2: "));
    QCOMPARE(kept.out, ("0 pages written to " + dir.path() + '\n').toUtf8());

    const Run forced = Brevasto({u"--batch"_s, csv, u"--out"_s, dir.path(), u"--force"_s});
    QCOMPARE(forced.exitCode, 0);
    QCOMPARE(forced.err, QByteArray());
    QVERIFY(ReadFile(dir.filePath(u"go.php"_s)).startsWith("<?php $URL=\"http://b.example/\";"));
}

void tst_CommandLine::batchCannotWrite_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("problem");

    QTest::newRow("missing CSV file") << u"missing.csv"_s << u"pages"_s << u"cannot read "_s;
    QTest::newRow("folder under a file")
        << u"links.csv"_s << u"blocker/pages"_s << u"cannot create the folder "_s;
}

void tst_CommandLine::batchCannotWrite()
{
    QFETCH(QString, csv);
    QFETCH(QString, out);
    QFETCH(QString, problem);

    QTemporaryDir dir;
    WriteFile(dir.filePath(u"links.csv"_s), "go,http://a/\n");
    WriteFile(dir.filePath(u"blocker"_s), "a file, not a folder\n");

    const Run run = Brevasto({u"--batch"_s, dir.filePath(csv), u"--out"_s, dir.filePath(out)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(QString::fromUtf8(run.err).startsWith(u"brevasto: "_s + problem), run.err.constData());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({u"blocker"_s, u"links.csv"_s}));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
