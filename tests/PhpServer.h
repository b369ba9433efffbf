#pragma once

// PHP's built-in web server on the loopback interface, serving a folder, for tests.

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

class PhpServer
{
public:
    static constexpr int WaitMs = 10000;

    ~PhpServer() { stop(); }

    // Serves `root` on a free port of 127.0.0.1, through `router` (a PHP script) when given.
    // Returns an empty string when it runs, else why not.
    QString start(const QString &root, const QString &router = {})
    {
        const QString php = QStandardPaths::findExecutable(QStringLiteral("php"));
        if (php.isEmpty())
            return QStringLiteral("php is not installed (Debian package php-cli)");

        // Another program may take the free port between our look and PHP's bind: try again.
        for (int attempt = 0; attempt < 5; ++attempt) {
            QTcpServer finder;
            if (!finder.listen(QHostAddress::LocalHost, 0))
                return finder.errorString();
            const quint16 port = finder.serverPort();
            finder.close();

            m_process.setProcessChannelMode(QProcess::MergedChannels);
            // The server goes with us even when a failed test ends this process abruptly.
            m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
            QStringList arguments{QStringLiteral("-n"), QStringLiteral("-S"),
                                  QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("-t"), root};
            if (!router.isEmpty())
                arguments += router;
            m_process.start(php, arguments);
            if (!m_process.waitForStarted(WaitMs))
                return m_process.errorString();
            QDeadlineTimer deadline(WaitMs);
            while (!deadline.hasExpired() && m_process.state() == QProcess::Running && !listening(port))
                QTest::qWait(50);
            if (m_process.state() == QProcess::Running && listening(port)) {
                m_port = port;
                return {};
            }
            stop();
        }
        return QString::fromLocal8Bit(m_process.readAll());
    }

    quint16 port() const { return m_port; }
    QString origin() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(WaitMs)) {
            m_process.kill();
            m_process.waitForFinished(WaitMs);
        }
    }

private:
    static bool listening(quint16 port)
    {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        return probe.waitForConnected(200);
    }

    QProcess m_process;
    quint16 m_port = 0;
};
