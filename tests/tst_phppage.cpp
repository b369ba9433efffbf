// Serves generated PHP pages with PHP's own web server on the loopback interface and
// checks where each one really sends the visitor.

#include "Page.h"
#include "PhpServer.h"

#include <QtNetwork>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int WaitMs = 10000;

struct Response
{
    int status = 0;
    QList<QByteArray> locations;
    QByteArray raw;
};

// One HTTP/1.0 request on a plain socket, so the header bytes arrive exactly as PHP
// sent them, with no client decoding or redirect following in between.
Response Get(quint16 port, const QByteArray &path)
{
    Response response;
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(WaitMs))
        return response;
    socket.write("GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    QDeadlineTimer deadline(WaitMs);
    while (socket.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        response.raw += socket.readAll();
    }
    response.raw += socket.readAll();

    const qsizetype end = response.raw.indexOf("\r\n\r\n");
    const QList<QByteArray> lines = response.raw.left(end).split('\n');
    if (end < 0 || lines.isEmpty())
        return response;
    const QList<QByteArray> statusLine = lines.first().trimmed().split(' ');
    response.status = statusLine.value(1).toInt();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        line.chop(line.endsWith('\r') ? 1 : 0);
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).compare("location", Qt::CaseInsensitive) == 0) {
            // Only the optional blanks of HTTP around a field value are not part of it.
            QByteArray value = line.mid(colon + 1);
            while (value.startsWith(' ') || value.startsWith('\t'))
                value.remove(0, 1);
            while (value.endsWith(' ') || value.endsWith('\t'))
                value.chop(1);
            response.locations += value;
        }
    }
    return response;
}

} // namespace

class tst_PhpPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void redirectsToTheLink_data();
    void redirectsToTheLink();

private:
    QTemporaryDir m_root;
    PhpServer m_php;
    int m_pages = 0;
};

void tst_PhpPage::initTestCase()
{
    QVERIFY(m_root.isValid());
    const QString failure = m_php.start(m_root.path());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void tst_PhpPage::redirectsToTheLink_data()
{
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray shop = "http://shop.example/"_ba;
    const QByteArray longLink = shop + QByteArray(8192, 'a') + "?b="_ba + QByteArray(200, 'c');

    QTest::newRow("plain") << shop + "item/42"_ba << shop + "item/42"_ba;
    QTest::newRow("query and fragment")
        << shop + "p?id=7&ref=a%20b#top"_ba << shop + "p?id=7&ref=a%20b#top"_ba;
    QTest::newRow("double quote") << shop + R"(a"b"")"_ba << shop + R"(a"b"")"_ba;
    QTest::newRow("dollar") << shop + "?x=$HOME&y=$_GET[1]&z=$"_ba << shop + "?x=$HOME&y=$_GET[1]&z=$"_ba;
    QTest::newRow("braced dollar") << shop + "{$x}/${y}/{${'z'}}"_ba << shop + "{$x}/${y}/{${'z'}}"_ba;
    QTest::newRow("backslash") << shop + R"(a\b\\c\x41\n\"\)"_ba << shop + R"(a\b\\c\x41\n\"\)"_ba;
    QTest::newRow("apostrophe") << shop + "it's"_ba << shop + "it's"_ba;
    QTest::newRow("blanks inside") << shop + "a b  c"_ba << shop + "a b  c"_ba;
    QTest::newRow("tab and line breaks inside")
        << "http://shop.\texample/a\r\nb\nc\rd"_ba << shop + "abcd"_ba;
    QTest::newRow("other controls inside") << shop
                                                  + "a\x01"
                                                    "b\x1b"
                                                    "c\x7f"_ba
                                           << shop + "a%01b%1Bc%7F"_ba;
    QTest::newRow("blanks and tabs around") << " \t  "_ba + shop + "x \t\t \r\n"_ba << shop + "x"_ba;
    QTest::newRow("no-break space at both ends") << "\xC2\xA0"_ba + shop + "\xC2\xA0"_ba
                                                 << "\xC2\xA0"_ba + shop + "\xC2\xA0"_ba;
    QTest::newRow("non-ASCII") << shop
                                      + "gr\xC3\xB6\xC3\x9F"
                                        "e/\xE6\x97\xA5\xE6\x9C\xAC?q=\xC3\xA9"_ba
                               << shop
                                      + "gr\xC3\xB6\xC3\x9F"
                                        "e/\xE6\x97\xA5\xE6\x9C\xAC?q=\xC3\xA9"_ba;
    QTest::newRow("placeholder at the start") << "0url0"_ba + shop << "0url0"_ba + shop;
    QTest::newRow("placeholder in the middle") << "http://a/0url0/b"_ba
                                               << "http://a/0url0/b"_ba;
    QTest::newRow("placeholder at the end") << shop + "b0url0"_ba << shop + "b0url0"_ba;
    QTest::newRow("placeholder after one character") << "x0url0"_ba
                                                     << "x0url0"_ba;
    QTest::newRow("placeholder twice at the start") << "0url00url0x"_ba
                                                    << "0url00url0x"_ba;
    QTest::newRow("8 KB long") << longLink << longLink;
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("blanks only") << "  \t "_ba << QByteArray();
}

void tst_PhpPage::redirectsToTheLink()
{
    QFETCH(QByteArray, link);
    QFETCH(QByteArray, expected);

    const std::string page = brevasto::PageText(brevasto::MakePage(
        brevasto::PageType::Php, std::string_view(link.constData(), std::size_t(link.size()))));
    const QString name = QStringLiteral("go%1.php").arg(++m_pages);
    QFile file(m_root.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(page.data(), qint64(page.size())), qint64(page.size()));
    file.close();

    const Response response = Get(m_php.port(), "/" + name.toLatin1());
    QVERIFY2(response.status == 302, response.raw.left(2000).constData());
    QCOMPARE(response.locations.size(), 1);
    QCOMPARE(response.locations.first(), expected);
}

QTEST_GUILESS_MAIN(tst_PhpPage)
#include "tst_phppage.moc"
