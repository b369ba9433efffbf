#include "CommandLine.h"

#include "Csv.h"
#include "Page.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <optional>

namespace brevasto {

namespace {

enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

void Say(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

int Usage(const QString &problem)
{
    Say(stderr, QStringLiteral("brevasto: %1\nTry 'brevasto --help' for more.").arg(problem));
    return UsageError;
}

std::optional<PageType> ParseType(const QString &name)
{
    if (name == QLatin1String("php"))
        return PageType::Php;
    if (name == QLatin1String("standard"))
        return PageType::Standard;
    if (name == QLatin1String("java"))
        return PageType::Java;
    return std::nullopt;
}

QByteArray PageBytes(PageType type, const QByteArray &link)
{
    const std::string text =
        PageText(MakePage(type, std::string_view(link.constData(), static_cast<std::size_t>(link.size()))));
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Why a name cannot be a file name in the output folder, or an empty string.
QString NameProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("the name is empty");
    if (name.contains(u'/') || name.contains(u'\\'))
        return QStringLiteral("the name \"%1\" holds a path separator").arg(name);
    if (name.startsWith(u'.'))
        return QStringLiteral("the name \"%1\" starts with a dot").arg(name);
    for (const QChar c : name)
        if (c.unicode() < 32 || c.unicode() == 127)
            return QStringLiteral("the name \"%1\" holds a control character").arg(name);
    return {};
}

int Print(PageType type, const QByteArray &link)
{
    const QByteArray page = PageBytes(type, link);
    if (std::fwrite(page.constData(), 1, std::size_t(page.size()), stdout) != std::size_t(page.size())
        || std::fflush(stdout) != 0) {
        Say(stderr, QStringLiteral("brevasto: could not write the page to standard output"));
        return Failure;
    }
    return Success;
}

int Batch(PageType type, const QString &csvPath, const QString &outPath, bool force)
{
    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly)) {
        Say(stderr, QStringLiteral("brevasto: cannot read %1: %2").arg(csvPath, csv.errorString()));
        return Failure;
    }
    const QList<CsvRecord> records = ParseCsv(csv.readAll());

    QDir out(outPath);
    if (!out.mkpath(QStringLiteral("."))) {
        Say(stderr, QStringLiteral("brevasto: cannot create the folder %1").arg(outPath));
        return Failure;
    }
    const QString extension = type == PageType::Php ? QStringLiteral(".php") : QStringLiteral(".html");

    int written = 0;
    int failed = 0;
    const auto reject = [&failed](int line, const QString &why) {
        Say(stderr, QStringLiteral("brevasto: line %1: %2").arg(line).arg(why));
        ++failed;
    };
    for (qsizetype i = 0; i < records.size(); ++i) {
        const CsvRecord &record = records[i];
        if (!record.error.isEmpty()) {
            reject(record.line, record.error);
            continue;
        }
        if (record.fields.size() == 1 && record.fields[0].isEmpty())
            continue; // a blank line
        if (i == 0 && record.fields.size() == 2 && record.fields[0].trimmed().toLower() == "name"
            && record.fields[1].trimmed().toLower() == "link")
            continue; // the header row
        if (record.fields.size() != 2) {
            reject(record.line,
                   QStringLiteral("expected 2 fields (name,link), found %1").arg(record.fields.size()));
            continue;
        }
        const QString name = QString::fromUtf8(record.fields[0]);
        if (const QString problem = NameProblem(name); !problem.isEmpty()) {
            reject(record.line, problem);
            continue;
        }
        const QString path = out.filePath(name + extension);
        if (!force && QFileInfo::exists(path)) {
            reject(record.line, QStringLiteral("%1 already exists (--force replaces it)").arg(path));
            continue;
        }
        QSaveFile file(path);
        const QByteArray page = PageBytes(type, record.fields[1]);
        if (!file.open(QIODevice::WriteOnly) || file.write(page) != page.size() || !file.commit()) {
            reject(record.line, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
            continue;
        }
        ++written;
    }

    Say(stdout, written == 1 ? QStringLiteral("1 page written to %1").arg(outPath)
                             : QStringLiteral("%1 pages written to %2").arg(written).arg(outPath));
    return failed == 0 ? Success : Failure;
}

} // namespace

int RunCommandLine(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brevasto"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BREVASTO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes the source of a redirect page for an affiliate link.\n"
        "\n"
        "  brevasto --print [--type TYPE] LINK\n"
        "      writes the page for LINK to standard output.\n"
        "  brevasto --batch FILE --out DIR [--type TYPE] [--force]\n"
        "      reads CSV rows name,link from FILE and writes DIR/name.php (or .html) for each.\n"
        "\n"
        "Without arguments, Brevasto opens its window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption print(QStringLiteral("print"),
                                   QStringLiteral("Write the page for LINK to standard output."));
    const QCommandLineOption type(
        QStringLiteral("type"),
        QStringLiteral("The page type: php (a Location header; the default), standard "
                       "(an HTML meta refresh) or java (an HTML page that redirects by script)."),
        QStringLiteral("TYPE"), QStringLiteral("php"));
    const QCommandLineOption batch(QStringLiteral("batch"),
                                   QStringLiteral("Make a page for every row name,link of the CSV FILE."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption out(QStringLiteral("out"),
                                 QStringLiteral("The folder the pages of --batch go to."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Let --batch replace pages that already exist."));
    parser.addOptions({print, type, batch, out, force});
    parser.addPositionalArgument(QStringLiteral("LINK"), QStringLiteral("The affiliate link, with --print."),
                                 QStringLiteral("[LINK]"));

    if (!parser.parse(QCoreApplication::arguments()))
        return Usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(Success);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const std::optional<PageType> pageType = ParseType(parser.value(type));
    if (!pageType)
        return Usage(
            QStringLiteral("unknown page type \"%1\": use php, standard or java").arg(parser.value(type)));
    const QStringList links = parser.positionalArguments();

    if (parser.isSet(print) == parser.isSet(batch))
        return Usage(QStringLiteral("use either --print LINK or --batch FILE --out DIR"));
    if (parser.isSet(print)) {
        if (parser.isSet(out) || parser.isSet(force))
            return Usage(QStringLiteral("--out and --force go with --batch, not --print"));
        if (links.size() != 1)
            return Usage(links.isEmpty()
                             ? QStringLiteral("--print needs the LINK to make a page for")
                             : QStringLiteral("--print takes one LINK, not %1").arg(links.size()));
        return Print(*pageType, links.first().toUtf8());
    }
    if (!links.isEmpty())
        return Usage(
            QStringLiteral("--batch reads its links from FILE; unexpected \"%1\"").arg(links.first()));
    if (!parser.isSet(out))
        return Usage(QStringLiteral("--batch needs --out DIR, the folder for the pages"));
    return Batch(*pageType, parser.value(batch), parser.value(out), parser.isSet(force));
}

} // namespace brevasto
