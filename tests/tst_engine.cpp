#include "LineBuffer.h"
#include "Page.h"
#include "Templates.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using namespace brevasto;

namespace {

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QList<QByteArray> Lines(std::span<const std::string_view> lines)
{
    QList<QByteArray> list;
    for (auto line : lines)
        list += Bytes(line);
    return list;
}

QList<QByteArray> Lines(const std::vector<std::string> &lines)
{
    QList<QByteArray> list;
    for (const auto &line : lines)
        list += Bytes(line);
    return list;
}

int Occurrences(std::string_view line, std::string_view pattern)
{
    int n = 0;
    for (auto at = line.find(pattern); at != std::string_view::npos; at = line.find(pattern, at + 1))
        ++n;
    return n;
}

void ClearBuffer()
{
    for (int slot = LineBufferSlots::FirstSlot; slot <= LineBufferSlots::LastSlot; ++slot)
        LineBuffer[slot].clear();
}

int FirstNonEmptySlot(int from)
{
    for (int slot = from; slot <= LineBufferSlots::LastSlot; ++slot)
        if (!LineBuffer[slot].empty())
            return slot;
    return 0;
}

const QByteArray LongTail(8192, 'a');

} // namespace

class tst_Engine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void templates_data();
    void templates();

    void lineBufferSlots();

    void replaceInBuffer_data();
    void replaceInBuffer();
    void replaceInBufferKeepsSlotsWithoutPattern();

    void trimLink_data();
    void trimLink();
    void cleanLink_data();
    void cleanLink();
    void phpLink_data();
    void phpLink();

    void htmlAttribute_data();
    void htmlAttribute();
    void jsSingleQuoted_data();
    void jsSingleQuoted();
    void refreshLink_data();
    void refreshLink();
    void htmlPages_data();
    void htmlPages();
    void phpPage_data();
    void phpPage();
    void phpPageLeavesOtherSlotsEmpty();
    void phpPageIsTheSameTwice();
};

void tst_Engine::initTestCase()
{
    // Before anything wrote to it, every slot is empty.
    QCOMPARE(FirstNonEmptySlot(1), 0);
}

void tst_Engine::cleanup()
{
    ClearBuffer();
}

void tst_Engine::templates_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QByteArray>>("expected");
    QTest::addColumn<QList<int>>("placeholders");

    QTest::newRow("php") << int(PageType::Php)
                         << QList<QByteArray>{R"(<?php $URL="0url0";)"_ba, R"(header ("Location: $URL");)"_ba,
                                              "exit();"_ba, "?>"_ba}
                         << QList<int>{1, 0, 0, 0};
    QTest::newRow("standart") << int(PageType::Standard)
                              << QList<QByteArray>{"<HTML><HEAD><TITLE>your-web-site</TITLE>"_ba,
                                                   R"(<META HTTP-EQUIV="refresh" CONTENT="0; URL=0url0">)"_ba,
                                                   "</HEAD><BODY></BODY></HTML>"_ba}
                              << QList<int>{0, 1, 0};
    QTest::newRow("java")
        << int(PageType::Java)
        << QList<
               QByteArray>{"<HTML><HEAD><TITLE>www.brevasto.example</TITLE></HEAD>"_ba,
                           "<BODY onLoad=\"document.location.replace('0url0')\">"_ba,
                           "<noscript>"_ba,
                           "<CENTER><BR><BR><BR><BR><BR><BR><BR><BR><BR>"_ba,
                           "Your browser does not support Javascript - please <a href=\"0url0\">click here</a> to load the web page"_ba,
                           "</CENTER>"_ba,
                           "</noscript>"_ba,
                           "</BODY></HTML>"_ba}
        << QList<int>{0, 1, 0, 0, 1, 0, 0, 0};
}

void tst_Engine::templates()
{
    QFETCH(int, type);
    QFETCH(QList<QByteArray>, expected);
    QFETCH(QList<int>, placeholders);

    const auto lines = TemplateLines(PageType(type));
    QCOMPARE(Lines(lines), expected);
    QList<int> counted;
    for (auto line : lines) {
        counted += Occurrences(line, Placeholder);
        QVERIFY(line.find_first_of("\r\n") == std::string_view::npos);
    }
    QCOMPARE(counted, placeholders);
}

void tst_Engine::lineBufferSlots()
{
    LineBuffer[1] = "first";
    LineBuffer[15000] = "last";
    QCOMPARE(Bytes(LineBuffer[1]), "first");
    QCOMPARE(Bytes(LineBuffer[15000]), "last");
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, LineBuffer[0]);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, LineBuffer[15001]);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, LineBuffer[-1]);
}

void tst_Engine::replaceInBuffer_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray php1 = R"(<?php $URL="0url0";)"_ba;
    QTest::newRow("php line, plain link") << php1 << "0url0"_ba
                                          << "http://a.example/x"_ba
                                          << R"(<?php $URL="http://a.example/x";)"_ba;
    QTest::newRow("empty replacement removes the placeholder") << php1 << "0url0"_ba
                                                               << ""_ba
                                                               << R"(<?php $URL="";)"_ba;
    QTest::newRow("empty slot stays empty") << ""_ba
                                            << "0url0"_ba
                                            << "link"_ba
                                            << ""_ba;
    QTest::newRow("empty pattern changes nothing") << php1 << ""_ba
                                                   << "link"_ba << php1;
    QTest::newRow("two occurrences, left first") << "0url0 and 0url0"_ba
                                                 << "0url0"_ba
                                                 << "L"_ba
                                                 << "L and L"_ba;
    QTest::newRow("two in a row, empty replacement") << "a0url00url0b"_ba
                                                     << "0url0"_ba
                                                     << ""_ba
                                                     << "a0url0b"_ba;
    QTest::newRow("replacement begins with pattern") << "0url0 0url0"_ba
                                                     << "0url0"_ba
                                                     << "0url0abc"_ba
                                                     << "0url0abc 0url0"_ba;
    QTest::newRow("other case is no occurrence") << "0URL0 0Url0"_ba
                                                 << "0url0"_ba
                                                 << "x"_ba
                                                 << "0URL0 0Url0"_ba;
    QTest::newRow("insertion forms the pattern with the text before") << "a0ur0url0"_ba
                                                                      << "0url0"_ba
                                                                      << "l0"_ba
                                                                      << "a0url0"_ba;
    // A replacement that holds the pattern after its first character would find itself
    // again on every pass; it is placed whole, once.
    QTest::newRow("pattern inside the replacement") << php1 << "0url0"_ba
                                                    << "x0url0"_ba
                                                    << R"(<?php $URL="x0url0";)"_ba;
    QTest::newRow("pattern in the middle of the replacement") << php1 << "0url0"_ba
                                                              << "http://a/0url0/b"_ba
                                                              << R"(<?php $URL="http://a/0url0/b";)"_ba;
    QTest::newRow("pattern twice in the replacement") << php1 << "0url0"_ba
                                                      << "0url00url0x"_ba
                                                      << R"(<?php $URL="0url00url0x";)"_ba;
    QTest::newRow("pattern at the end of the replacement") << php1 << "0url0"_ba
                                                           << "http://a/b0url0"_ba
                                                           << R"(<?php $URL="http://a/b0url0";)"_ba;
    QTest::newRow("replacement longer than a thousand bytes")
        << "0url0 0url0"_ba
        << "0url0"_ba << QByteArray(LongTail) << LongTail + ' ' + LongTail;
}

void tst_Engine::replaceInBuffer()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, pattern);
    QFETCH(QByteArray, replacement);
    QFETCH(QByteArray, expected);

    // First and last slot: every slot is visited, each on its own.
    LineBuffer[1] = View(line);
    LineBuffer[15000] = View(line);
    ReplaceInBuffer(View(pattern), View(replacement));
    QCOMPARE(Bytes(LineBuffer[1]), expected);
    QCOMPARE(Bytes(LineBuffer[15000]), expected);
    QCOMPARE(FirstNonEmptySlot(2), expected.isEmpty() ? 0 : 15000);
}

void tst_Engine::replaceInBufferKeepsSlotsWithoutPattern()
{
    const auto php = TemplateLines(PageType::Php);
    for (int slot = 1; slot <= 4; ++slot)
        LineBuffer[slot] = php[slot - 1];
    ReplaceInBuffer(Placeholder, "http://a.example/");
    const QByteArray firstLine = R"(<?php $URL="http://a.example/";)";
    QCOMPARE(Bytes(LineBuffer[1]), firstLine);
    for (int slot = 2; slot <= 4; ++slot)
        QCOMPARE(Bytes(LineBuffer[slot]), Bytes(php[slot - 1]));
    QCOMPARE(FirstNonEmptySlot(5), 0);
}

void tst_Engine::trimLink_data()
{
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("blanks and tabs only") << " \t \t  "_ba
                                          << ""_ba;
    QTest::newRow("every code up to 32 at the ends") << "\x00\x01\t\r\n\x1f abc \x00\x1f\r\n"_ba
                                                     << "abc"_ba;
    QTest::newRow("blanks inside stay") << "  a b  c  "_ba
                                        << "a b  c"_ba;
    QTest::newRow("no-break space stays") << "\xC2\xA0http://a/\xC2\xA0"_ba
                                          << "\xC2\xA0http://a/\xC2\xA0"_ba;
    QTest::newRow("delete character stays") << "\x7f"
                                               "abc\x7f"_ba
                                            << "\x7f"
                                               "abc\x7f"_ba;
    QTest::newRow("non-ASCII stays") << " \xE6\x97\xA5 "_ba
                                     << "\xE6\x97\xA5"_ba;
}

void tst_Engine::trimLink()
{
    QFETCH(QByteArray, link);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(TrimLink(View(link))), expected);
}

void tst_Engine::cleanLink_data()
{
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain") << "http://a.example/p?q=1#f"_ba
                           << "http://a.example/p?q=1#f"_ba;
    QTest::newRow("tab and line breaks removed") << "http://a.\texample/a\r\nb\nc\rd"_ba
                                                 << "http://a.example/abcd"_ba;
    QTest::newRow("controls percent-encoded") << "a\x01"
                                                 "b\x1f"
                                                 "c\x7f"
                                                 "d\x00"
                                                 "e"_ba
                                              << "a%01b%1Fc%7Fd%00e"_ba;
    QTest::newRow("escape character encoded") << "a\x1b[0m"_ba
                                              << "a%1B[0m"_ba;
    QTest::newRow("percent and non-ASCII stay") << "a%41\xC3\xA9\xC2\xA0"_ba
                                                << "a%41\xC3\xA9\xC2\xA0"_ba;
}

void tst_Engine::cleanLink()
{
    QFETCH(QByteArray, link);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(CleanLink(View(link))), expected);
}

void tst_Engine::phpLink_data()
{
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain") << "http://a.example/x"_ba
                           << "http://a.example/x"_ba;
    QTest::newRow("double quote") << R"(a"b)"_ba
                                  << R"(a\"b)"_ba;
    QTest::newRow("dollar") << "a$b"_ba
                            << R"(a\$b)"_ba;
    QTest::newRow("braces") << "{$x}"_ba
                            << R"({\$x})"_ba;
    QTest::newRow("backslash") << R"(a\nb\)"_ba
                               << R"(a\\nb\\)"_ba;
    QTest::newRow("apostrophe stays") << "it's"_ba
                                      << "it's"_ba;
    QTest::newRow("trimmed and cleaned first") << " \t\"a\tb$\x01z "_ba
                                               << R"(\"ab\$%01z)"_ba;
}

void tst_Engine::phpLink()
{
    QFETCH(QByteArray, link);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(PhpLink(View(link))), expected);
}

void tst_Engine::htmlAttribute_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain") << "http://a.example/p?q=1#f"_ba
                           << "http://a.example/p?q=1#f"_ba;
    QTest::newRow("ampersand") << "a=1&b=2&amp;"_ba
                               << "a=1&amp;b=2&amp;amp;"_ba;
    QTest::newRow("double quote") << "a\"b"_ba
                                  << "a&quot;b"_ba;
    QTest::newRow("angle brackets") << "<b>"_ba
                                    << "&lt;b&gt;"_ba;
    QTest::newRow("apostrophe and backslash stay") << "it's\\"_ba
                                                   << "it's\\"_ba;
}

void tst_Engine::htmlAttribute()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(HtmlAttribute(View(text))), expected);
}

void tst_Engine::jsSingleQuoted_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain") << "http://a.example/p?q=1#f"_ba
                           << "http://a.example/p?q=1#f"_ba;
    QTest::newRow("apostrophe") << "it's"_ba
                                << "it\\'s"_ba;
    QTest::newRow("backslash") << "a\\b\\"_ba
                               << "a\\\\b\\\\"_ba;
    QTest::newRow("double quote stays") << "a\"b"_ba
                                        << "a\"b"_ba;
    QTest::newRow("line terminators") << "a\xE2\x80\xA8"
                                         "b\xE2\x80\xA9"
                                         "c"_ba
                                      << "a\\u2028b\\u2029c"_ba;
    QTest::newRow("other non-ASCII stays") << "\xE2\x80\xA7\xC3\xA9"_ba
                                           << "\xE2\x80\xA7\xC3\xA9"_ba;
}

void tst_Engine::jsSingleQuoted()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(JsSingleQuoted(View(text))), expected);
}

void tst_Engine::refreshLink_data()
{
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain") << " http://a.example/\"x\"'y' "_ba
                           << "http://a.example/\"x\"'y'"_ba;
    QTest::newRow("begins with an apostrophe") << "'a\"b'"_ba
                                               << "\"'a%22b'\""_ba;
    QTest::newRow("begins with a double quote") << "\t\"a\"b"_ba
                                                << "\"%22a%22b\""_ba;
    QTest::newRow("cleaned first") << "a\tb\x01"
                                      "c"_ba
                                   << "ab%01c"_ba;
}

void tst_Engine::refreshLink()
{
    QFETCH(QByteArray, link);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(RefreshLink(View(link))), expected);
}

void tst_Engine::htmlPages_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QList<QByteArray>>("changed");

    // The template's lines, with these lines (by index) changed.
    const QByteArray plain = "http://a.example/x?y=1";
    QTest::newRow("standard, plain")
        << int(PageType::Standard) << plain
        << QList<QByteArray>{"", R"(<META HTTP-EQUIV="refresh" CONTENT="0; URL=http://a.example/x?y=1">)"_ba};
    QTest::newRow("java, plain")
        << int(PageType::Java) << plain
        << QList<QByteArray>{
               "", "<BODY onLoad=\"document.location.replace('http://a.example/x?y=1')\">"_ba, "", "",
               "Your browser does not support Javascript - please <a href=\"http://a.example/x?y=1\">click here</a> to load the web page"_ba};
    const QByteArray hard = " http://a/0url0?a='1'&b=\"2\"\\ ";
    QTest::newRow("standard, hard")
        << int(PageType::Standard) << hard
        << QList<QByteArray>{
               "",
               R"(<META HTTP-EQUIV="refresh" CONTENT="0; URL=http://a/0url0?a='1'&amp;b=&quot;2&quot;\">)"_ba};
    QTest::newRow("java, hard")
        << int(PageType::Java) << hard
        << QList<QByteArray>{
               "",
               "<BODY onLoad=\"document.location.replace('http://a/0url0?a=\\'1\\'&amp;b=&quot;2&quot;\\\\')\">"_ba,
               "", "",
               "Your browser does not support Javascript - please <a href=\"http://a/0url0?a='1'&amp;b=&quot;2&quot;\\\">click here</a> to load the web page"_ba};
}

void tst_Engine::htmlPages()
{
    QFETCH(int, type);
    QFETCH(QByteArray, link);
    QFETCH(QList<QByteArray>, changed);

    QList<QByteArray> expected = Lines(TemplateLines(PageType(type)));
    for (qsizetype i = 0; i < changed.size(); ++i)
        if (!changed[i].isEmpty())
            expected[i] = changed[i];
    QCOMPARE(Lines(MakePage(PageType(type), View(link))), expected);
    QCOMPARE(FirstNonEmptySlot(int(expected.size()) + 1), 0);
}

void tst_Engine::phpPage_data()
{
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QByteArray>("firstLine");

    QTest::newRow("plain") << "http://a.example/x"_ba
                           << R"(<?php $URL="http://a.example/x";)"_ba;
    QTest::newRow("empty") << ""_ba
                           << R"(<?php $URL="";)"_ba;
    QTest::newRow("blanks and tabs only") << " \t  \t"_ba
                                          << R"(<?php $URL="";)"_ba;
    QTest::newRow("blanks around") << "  http://a.example/x \r\n"_ba
                                   << R"(<?php $URL="http://a.example/x";)"_ba;
    QTest::newRow("begins with the placeholder") << "0url0http://a/0url0"_ba
                                                 << R"(<?php $URL="0url0http://a/0url0";)"_ba;
    QTest::newRow("placeholder inside") << "x0url0"_ba
                                        << R"(<?php $URL="x0url0";)"_ba;
    QTest::newRow("special to PHP") << R"(a"$b\)"_ba
                                    << R"(<?php $URL="a\"\$b\\";)"_ba;
    QTest::newRow("longer than 4096")
        << "http://a/"_ba + LongTail << R"(<?php $URL="http://a/)"_ba + LongTail + R"(";)"_ba;
}

void tst_Engine::phpPage()
{
    QFETCH(QByteArray, link);
    QFETCH(QByteArray, firstLine);

    const auto page = MakePage(PageType::Php, View(link));
    const QList<QByteArray> expected{firstLine, R"(header ("Location: $URL");)", "exit();", "?>"};
    QCOMPARE(Lines(page), expected);

    const QByteArray text = Bytes(PageText(page));
    QCOMPARE(text, expected.join("\r\n") + "\r\n");
    QCOMPARE(text.size(), 57 + Bytes(PhpLink(View(link))).size());
}

void tst_Engine::phpPageLeavesOtherSlotsEmpty()
{
    MakePage(PageType::Php, "http://a.example/0url0");
    const QByteArray firstLine = R"(<?php $URL="http://a.example/0url0";)";
    QCOMPARE(Bytes(LineBuffer[1]), firstLine);
    QCOMPARE(FirstNonEmptySlot(5), 0);
}

void tst_Engine::phpPageIsTheSameTwice()
{
    const auto first = PageText(MakePage(PageType::Php, "http://a.example/x"));
    MakePage(PageType::Php, "0url00url0");
    QCOMPARE(Bytes(PageText(MakePage(PageType::Php, "http://a.example/x"))), Bytes(first));
}

QTEST_APPLESS_MAIN(tst_Engine)
#include "tst_engine.moc"
