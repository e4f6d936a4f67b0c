#include "net/MySocket.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTcpServer>
#include <QTcpSocket>

#include <chrono>
#include <utility>

std::int64_t SteadyClockMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

HRESULT GetCurrentLocalTime(SystemTime* out)
{
    return GetCurrentLocalTime(out, QDateTime::currentDateTime());
}

HRESULT GetCurrentLocalTime(SystemTime* out, const QDateTime& now)
{
    if (out == nullptr)
        return E_FAIL;
    QDateTime local = now.toLocalTime();
    // The calendar time value starts in 1900: earlier clock readings count as its zero.
    if (local.date().year() < 1900)
        local = QDateTime::fromSecsSinceEpoch(0);  // 1970-01-01 00:00:00 UTC in local time
    const QDate date = local.date();
    const QTime time = local.time();
    *out = SystemTime{};
    out->wYear = static_cast<std::uint16_t>(date.year());
    out->wMonth = static_cast<std::uint16_t>(date.month());
    out->wDayOfWeek = static_cast<std::uint16_t>(date.dayOfWeek() % 7);  // Qt counts Sunday as 7
    out->wDay = static_cast<std::uint16_t>(date.day());
    out->wHour = static_cast<std::uint16_t>(time.hour());
    out->wMinute = static_cast<std::uint16_t>(time.minute());
    out->wSecond = static_cast<std::uint16_t>(time.second());
    return S_OK;
}

CMySocket::CMySocket(QObject* parent)
    : QObject(parent)
{
}

CMySocket::~CMySocket()
{
    CloseStreams();
    Close();
}

HRESULT CMySocket::Open(int mode)
{
    CloseStreams();
    m_nMode = mode;
    switch (mode) {
    case modePlain: {
        Close();  // a new socket replaces whatever this object held
        auto* socket = new QTcpSocket(this);
        if (!socket->bind(m_bindAddress, 0)) {
            delete socket;
            return E_FAIL;
        }
        TakeConnection(socket);
        break;
    }
    case modeListen: {
        Close();
        if (m_nPort > 0xFFFF)
            return E_FAIL;
        auto* listener = new QTcpServer(this);
        listener->setListenBacklogSize(5);
        if (!listener->listen(m_bindAddress, static_cast<quint16>(m_nPort))) {
            delete listener;
            return E_FAIL;
        }
        m_pListener = listener;
        connect(listener, &QTcpServer::newConnection, this, [this] { OnAccept(0); });
        return S_OK;
    }
    default:
        break;  // the connection that Accept gave this object
    }
    if (m_pSocket == nullptr)
        return E_FAIL;
    m_pArIn = m_pSocket;
    m_pArOut = m_pSocket;
    return S_OK;
}

void CMySocket::CloseStreams()
{
    if (m_nMode == modeListen)
        ShutdownAndDrain();
    // Every record was flushed when it was sent, so nothing waits in the streams.
    m_pArIn = nullptr;
    m_pArOut = nullptr;
}

int CMySocket::ShutdownAndDrain()
{
    // A listening socket has no connection to shut down, and reading from it fails.
    if (m_pSocket == nullptr || m_pSocket->state() != QAbstractSocket::ConnectedState)
        return kSocketError;
    m_pSocket->disconnectFromHost();
    char scratch[50];
    qint64 result = 0;
    do {
        result = m_pSocket->read(scratch, sizeof scratch);
    } while (result > 0);
    return result < 0 ? kSocketError : 0;
}

HRESULT CMySocket::SendRecord(const MessageRecord* record)
{
    if (m_pArOut == nullptr || record == nullptr)
        return E_FAIL;
    if (m_pSocket == nullptr || m_pSocket->state() != QAbstractSocket::ConnectedState) {
        CloseStreams();
        return E_FAIL;
    }
    const qint64 written = m_pArOut->write(reinterpret_cast<const char*>(record->bytes), kRecordSize);
    m_pSocket->flush();
    // A failed write closes the connection; the record did not go out.
    if (written != static_cast<qint64>(kRecordSize) || m_pSocket->state() != QAbstractSocket::ConnectedState) {
        CloseStreams();
        return E_FAIL;
    }
    return S_OK;
}

void CMySocket::OnReceive(int /*errorCode*/)
{
    if (m_pArIn == nullptr)
        return;
    QIODevice* input = m_pArIn;
    const bool readOk = ReceiveNotification(
        m_clock,
        [input](std::uint8_t* dst, std::size_t maxBytes) {
            return static_cast<long long>(input->read(reinterpret_cast<char*>(dst), static_cast<qint64>(maxBytes)));
        },
        [input] { return input->bytesAvailable() > 0; });
    if (!readOk)
        CloseStreams();
}

void CMySocket::OnAccept(int /*errorCode*/)
{
}

bool CMySocket::Accept(CMySocket& connected)
{
    if (m_pListener == nullptr || &connected == this)
        return false;
    QTcpSocket* socket = m_pListener->nextPendingConnection();
    if (socket == nullptr)
        return false;
    connected.Close();
    connected.TakeConnection(socket);
    return true;
}

void CMySocket::Close()
{
    m_pArIn = nullptr;
    m_pArOut = nullptr;
    delete std::exchange(m_pListener, nullptr);
    QTcpSocket* socket = std::exchange(m_pSocket, nullptr);
    if (socket == nullptr)
        return;
    socket->disconnect(this);
    QCoreApplication* app = QCoreApplication::instance();
    if (app != nullptr && socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() > 0) {
        // Records already sent (the farewell among them) are still on their way:
        // the connection closes once they are written or fails. The application
        // takes the socket over so that it is gone at exit at the latest.
        socket->setParent(app);
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QAbstractSocket::errorOccurred, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
        return;
    }
    delete socket;
}

void CMySocket::TakeConnection(QTcpSocket* socket)
{
    m_pSocket = socket;
    socket->setParent(this);
    socket->setReadBufferSize(kReadBufferBytes);
    connect(socket, &QTcpSocket::readyRead, this, [this] { OnReceive(0); });
}
