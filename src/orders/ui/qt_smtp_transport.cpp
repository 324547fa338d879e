// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/qt_smtp_transport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>

namespace maprune {

namespace {

// A server line longer than this is cut; replies are short by the protocol.
constexpr qint64 kMaxLine = 4096;

} // namespace

QtSmtpTransport::QtSmtpTransport(int timeoutMilliseconds)
    : FTimeout(timeoutMilliseconds)
{
}

QtSmtpTransport::~QtSmtpTransport()
{
    Close();
}

void QtSmtpTransport::AddCaCertificates(const QList<QSslCertificate>& certificates)
{
    FCaCertificates += certificates;
}

void QtSmtpTransport::Cancel()
{
    FCancelled = true;
    if (FWaiting != nullptr)
        FWaiting->quit();
}

SmtpStatus QtSmtpTransport::WaitUntil(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (FCancelled)
            return SmtpStatus::Cancelled;
        if (FFailed)
            return SmtpStatus::Failed;
        const qint64 remaining = FTimeout - clock.elapsed();
        if (remaining <= 0)
            return SmtpStatus::TimedOut;
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        for (const auto signal : { &QSslSocket::connected, &QSslSocket::disconnected })
            QObject::connect(FSocket.get(), signal, &loop, &QEventLoop::quit);
        QObject::connect(FSocket.get(), &QSslSocket::readyRead, &loop, &QEventLoop::quit);
        QObject::connect(FSocket.get(), &QSslSocket::encrypted, &loop, &QEventLoop::quit);
        QObject::connect(FSocket.get(), &QSslSocket::errorOccurred, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(remaining));
        FWaiting = &loop;
        loop.exec();
        FWaiting = nullptr;
    }
    return SmtpStatus::Ok;
}

SmtpStatus QtSmtpTransport::Connect(const std::string& host, uint16_t port, bool tls)
{
    Close();
    FFailed = false;
    FSocket = std::make_unique<QSslSocket>();
    QSslConfiguration configuration = FSocket->sslConfiguration();
    configuration.addCaCertificates(FCaCertificates);
    FSocket->setSslConfiguration(configuration);
    QSslSocket* socket = FSocket.get();
    QObject::connect(socket, &QSslSocket::errorOccurred, socket, [this] { FFailed = true; });
    QObject::connect(socket, &QSslSocket::sslErrors, socket, [this] { FFailed = true; });
    QObject::connect(socket, &QSslSocket::disconnected, socket, [this] { FFailed = true; });
    const QString name = QString::fromStdString(host);
    if (tls)
        socket->connectToHostEncrypted(name, port);
    else
        socket->connectToHost(name, port);
    return WaitUntil([socket, tls] {
        return tls ? socket->isEncrypted() : socket->state() == QAbstractSocket::ConnectedState;
    });
}

bool QtSmtpTransport::Connected() const
{
    return FSocket != nullptr && FSocket->state() == QAbstractSocket::ConnectedState;
}

void QtSmtpTransport::WriteLine(std::string_view line, bool)
{
    if (!Connected())
        return;
    FSocket->write(line.data(), static_cast<qint64>(line.size()));
    FSocket->write("\r\n", 2);
}

SmtpLine QtSmtpTransport::ReadLine()
{
    if (FSocket == nullptr)
        return { SmtpStatus::Failed, {} };
    QSslSocket* socket = FSocket.get();
    // A line the server has sent counts even when it closed right after.
    const auto ready = [socket] {
        return socket->canReadLine() || socket->bytesAvailable() >= kMaxLine;
    };
    if (!ready()) {
        const SmtpStatus status = WaitUntil(ready);
        if (status != SmtpStatus::Ok && !ready())
            return { status, {} };
    }
    QByteArray line = socket->readLine(kMaxLine + 1);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return { SmtpStatus::Ok, line.toStdString() };
}

SmtpStatus QtSmtpTransport::StartTls()
{
    if (!Connected())
        return SmtpStatus::Failed;
    QSslSocket* socket = FSocket.get();
    socket->startClientEncryption();
    return WaitUntil([socket] { return socket->isEncrypted(); });
}

void QtSmtpTransport::Close()
{
    if (FSocket == nullptr)
        return;
    FSocket->disconnect();
    FSocket->abort();
    FSocket.reset();
}

} // namespace maprune
