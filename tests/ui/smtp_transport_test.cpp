// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt transport against a real SMTP server on 127.0.0.1 (aiosmtpd),
// started by the test on a free port.
#include <QtTest>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "core/error.h"
#include "orders/order_mail.h"
#include "orders/smtp_session.h"
#include "orders/ui/qt_smtp_transport.h"

using namespace maprune;

namespace {

const QString kServerDir = QStringLiteral(TEST_DATA_DIR "/smtp");

// Debian's python3, which the python3-aiosmtpd package serves.
QString Python()
{
    for (const QString& candidate : { QStringLiteral("/usr/bin/python3"), QStringLiteral("python3") }) {
        QProcess probe;
        probe.start(candidate, { QStringLiteral("-c"), QStringLiteral("import aiosmtpd") });
        if (probe.waitForFinished(10000) && probe.exitStatus() == QProcess::NormalExit
            && probe.exitCode() == 0)
            return candidate;
    }
    return {};
}

// The test server for the time of one test; it ends when its standard input
// closes.
class TestServer {
public:
    TestServer(const QString& python, const QStringList& options)
    {
        FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FProcess.start(python, QStringList { kServerDir + QStringLiteral("/test_server.py") } + options);
        FProcess.waitForStarted(10000);
        QElapsedTimer clock;
        clock.start();
        while (!FProcess.canReadLine() && clock.elapsed() < 10000
            && FProcess.state() == QProcess::Running)
            FProcess.waitForReadyRead(100);
        const QByteArray line = FProcess.readLine().trimmed();
        if (line.startsWith("PORT "))
            Port = static_cast<uint16_t>(line.mid(5).toUInt());
    }
    ~TestServer()
    {
        FProcess.closeWriteChannel();
        if (!FProcess.waitForFinished(3000))
            FProcess.kill();
        FProcess.waitForFinished(1000);
    }
    uint16_t Port = 0;

private:
    QProcess FProcess;
};

OrderMail Mail()
{
    OrderMail mail;
    mail.SenderName = "Partei 10";
    mail.SenderAddress = "ich@example.org";
    mail.Recipients = { "befehle@kelvaran.de" };
    mail.Subject = "kelvaran befehle";
    mail.Body = { "PARTEI a \"geheim\"", ".punkt", "EINHEIT 14;\t\tB\xc3\xa4r [1,0$]",
        "  ARBEITE", "NAECHSTER" };
    return mail;
}

QByteArray Received(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// What the dialogue sends after DATA, as the server keeps it.
QByteArray Expected(const OrderMail& mail, BodyEncoding encoding)
{
    QByteArray bytes;
    for (const std::string& line : MailLines(mail, encoding))
        bytes += QByteArray::fromStdString(line) + "\r\n";
    return bytes;
}

} // namespace

class SmtpTransportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        FPython = Python();
        if (FPython.isEmpty())
            QSKIP("python3-aiosmtpd is missing (apt-get install python3-aiosmtpd): no SMTP server "
                  "to test against");
    }

    void mailArrivesByteForByte_data()
    {
        QTest::addColumn<bool>("startTls");
        QTest::newRow("plain") << false;
        QTest::newRow("STARTTLS and login") << true;
    }

    void mailArrivesByteForByte()
    {
        QFETCH(bool, startTls);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("mail.eml"));
        QStringList options { QStringLiteral("--out"), out };
        if (startTls)
            options << QStringLiteral("--starttls") << QStringLiteral("--login")
                    << QStringLiteral("ich:geheim");
        TestServer server(FPython, options);
        QVERIFY(server.Port != 0);

        SmtpOptions smtp;
        smtp.Server = "127.0.0.1";
        smtp.Port = server.Port;
        smtp.HeloName = "spieler";
        if (startTls) {
            smtp.Security = MailSecurity::StartTls;
            smtp.Login = "ich";
            smtp.Password = "geheim";
        }
        QtSmtpTransport transport(5000);
        transport.AddCaCertificates(
            QSslCertificate::fromPath(kServerDir + QStringLiteral("/smtp-test.crt")));
        const OrderMail mail = Mail();
        try {
            SendMail(transport, smtp, mail);
        } catch (const Error& e) {
            QFAIL(e.what());
        }
        // aiosmtpd offers 8BITMIME after EHLO, which the 8-bit body brings.
        QCOMPARE(Received(out), Expected(mail, BodyEncoding::EightBit));
    }

    void wrongPasswordIsRefused()
    {
        TestServer server(FPython, { QStringLiteral("--starttls"), QStringLiteral("--login"), QStringLiteral("ich:geheim") });
        QVERIFY(server.Port != 0);
        SmtpOptions smtp;
        smtp.Server = "127.0.0.1";
        smtp.Port = server.Port;
        smtp.HeloName = "spieler";
        smtp.Security = MailSecurity::StartTls;
        smtp.Login = "ich";
        smtp.Password = "falsch";
        QtSmtpTransport transport(5000);
        transport.AddCaCertificates(
            QSslCertificate::fromPath(kServerDir + QStringLiteral("/smtp-test.crt")));
        try {
            SendMail(transport, smtp, Mail());
            QFAIL("sent with a wrong password");
        } catch (const Error& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(QStringLiteral("Anmeldung am Server fehlgeschlagen: 535")), e.what());
        }
    }

    void silentServerEndsWithTheTimeOut()
    {
        TestServer server(FPython, { QStringLiteral("--silent") });
        QVERIFY(server.Port != 0);
        SmtpOptions smtp;
        smtp.Server = "127.0.0.1";
        smtp.Port = server.Port;
        QtSmtpTransport transport(700);
        QElapsedTimer clock;
        clock.start();
        try {
            SendMail(transport, smtp, Mail());
            QFAIL("a silent server took the mail");
        } catch (const Error& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                QStringLiteral("Fehler beim Senden der EMail: der Server antwortet nicht "
                               "(Zeitüberschreitung bei Begrüßung)."));
        }
        QVERIFY(clock.elapsed() < 3000);
    }

    // Each line within the time-out, yet no mail sent: a reply line beyond
    // the protocol's length, and continuation lines without end until the
    // dialogue's own time runs out.
    void serversBreakingTheProtocolEndTheSend_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("long reply") << QStringLiteral(
            "long-reply") << QStringLiteral("ungültige Antwort des Servers (bei Nachricht)");
        QTest::newRow("endless reply")
            << QStringLiteral("endless")
            << QStringLiteral(
                   "der Dialog mit dem Server dauerte länger als 2 Sekunden (bei HELO/EHLO)");
    }

    void serversBreakingTheProtocolEndTheSend()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        TestServer server(FPython, { QStringLiteral("--misbehave"), kind });
        QVERIFY(server.Port != 0);
        SmtpOptions smtp;
        smtp.Server = "127.0.0.1";
        smtp.Port = server.Port;
        smtp.DialogueTimeout = std::chrono::seconds(2);
        QtSmtpTransport transport(1000);
        QElapsedTimer clock;
        clock.start();
        try {
            SendMail(transport, smtp, Mail());
            QFAIL("sent");
        } catch (const Error& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(message), e.what());
        }
        QVERIFY(clock.elapsed() < 5000);
    }

    void cancelEndsTheWait()
    {
        TestServer server(FPython, { QStringLiteral("--silent") });
        QVERIFY(server.Port != 0);
        SmtpOptions smtp;
        smtp.Server = "127.0.0.1";
        smtp.Port = server.Port;
        QtSmtpTransport transport(30000);
        QTimer::singleShot(100, [&transport] { transport.Cancel(); });
        try {
            SendMail(transport, smtp, Mail());
            QFAIL("sent");
        } catch (const Error& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QString::fromUtf8(kSendCancelledMessage));
        }
    }

private:
    QString FPython;
};

QTEST_MAIN(SmtpTransportTest)
#include "smtp_transport_test.moc"
