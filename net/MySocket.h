#pragma once
// The message socket: a TCP stream socket that sends and receives 40-byte
// records and keeps the received ones in its queue. Base of the listening
// CServer and of the per-connection CClient.
//
// Runs on the thread that created it, on that thread's event loop: readyRead of
// the connection is the receive notification, newConnection of the listener
// the accept notification. The connection's own read buffer, limited to 4096
// bytes, holds the input that has arrived but is not read yet; every record
// sent is written and flushed at once.

#include "net/HResult.h"
#include "net/RecordAssembler.h"

#include <QHostAddress>
#include <QObject>

#include <cstdint>
#include <functional>

class QDateTime;
class QIODevice;
class QTcpServer;
class QTcpSocket;

// A monotonic clock in milliseconds. The read steps of the receive
// notification measure the time between them with it; tests hold it still or
// step it by hand.
using MonotonicClock = std::function<std::int64_t()>;

// std::chrono::steady_clock in milliseconds: the clock of every socket unless
// replaced.
std::int64_t SteadyClockMs();

// A local calendar time, the fields in the order of the Windows SYSTEMTIME record.
struct SystemTime
{
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;         // 1..12
    std::uint16_t wDayOfWeek = 0;     // 0 = Sunday .. 6 = Saturday
    std::uint16_t wDay = 0;           // 1..31
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;
};

// The local time now, to the whole second (wMilliseconds is 0). E_FAIL for a
// null `out`. The second form converts the given moment instead of reading the
// clock; a year before 1900 gives the local time of 1970-01-01 00:00:00 UTC.
HRESULT GetCurrentLocalTime(SystemTime* out);
HRESULT GetCurrentLocalTime(SystemTime* out, const QDateTime& now);

class CMySocket : public QObject, public CRecordAssembler
{
    Q_OBJECT

public:
    enum OpenMode : std::int32_t
    {
        modePlain = 1,     // a new unconnected socket on a port the system chooses
        modeAccepted = 2,  // the connection that Accept gave this object
        modeListen = 3,    // a new socket listening on m_nPort, backlog 5
    };

    // Result of a receive that failed, as from ShutdownAndDrain.
    static constexpr int kSocketError = -1;
    // Input that has arrived but is not read yet is held up to this many bytes;
    // beyond that the peer waits.
    static constexpr qint64 kReadBufferBytes = 4096;

    explicit CMySocket(QObject* parent = nullptr);
    ~CMySocket() override;

    // Drops the old streams, then opens by `mode` (m_nMode keeps `mode` even on
    // failure) and builds the streams over the connection. E_FAIL when the
    // socket cannot be created or listen fails, or there is no connection to
    // build streams on. A listening socket carries no data, so it gets no
    // streams: SendRecord refuses it and it reads nothing.
    HRESULT Open(int mode);

    // Drops the streams; leaves the socket itself open. A listening socket is
    // first shut down and drained.
    void CloseStreams();

    // Shuts the connection down (records already sent still go out first) and
    // throws away the input still buffered, reading up to 50 bytes at a time.
    // Returns the result of the last read, kSocketError once the connection is
    // shut down; also kSocketError at once without a connection, as on a
    // listening socket, which stays open and listening.
    int ShutdownAndDrain();

    // Writes the 40 bytes at `record` and flushes them. S_OK once the record is
    // handed to the connection. E_FAIL when it was not: no streams, a null
    // record, or the connection is gone or failed, which also drops the streams.
    HRESULT SendRecord(const MessageRecord* record);

    // The receive notification: reads records from the buffered input into the
    // queue until none remains. Returns at once without streams; a read error
    // drops the streams and ends it. The error code is not looked at.
    virtual void OnReceive(int errorCode);

    // The accept notification of a listening socket; does nothing here.
    virtual void OnAccept(int errorCode);

    // Takes the next waiting connection of this listening socket into
    // `connected`, which must hold no connection of its own. False when none is
    // waiting or this socket does not listen.
    virtual bool Accept(CMySocket& connected);

    // Drops the streams with the socket and closes it. Records already sent but
    // not yet written out still go out before the connection closes.
    void Close();

    std::uint32_t m_nPort = 700;     // port of modeListen
    std::int32_t m_nMode = modePlain;
    // Address that modePlain and modeListen bind to: every IPv4 address of the
    // machine unless set otherwise (tests use 127.0.0.1).
    QHostAddress m_bindAddress = QHostAddress(QHostAddress::AnyIPv4);
    MonotonicClock m_clock = SteadyClockMs;

    // Loading and storing streams: the connection while the streams exist, else null.
    QIODevice* m_pArIn = nullptr;
    QIODevice* m_pArOut = nullptr;
    // The socket itself: a connection or a listener, at most one of them, owned.
    QTcpSocket* m_pSocket = nullptr;
    QTcpServer* m_pListener = nullptr;

private:
    void TakeConnection(QTcpSocket* socket);
};
