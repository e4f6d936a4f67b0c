#pragma once
// Shared pieces of the socket tests: a window that records the notifications
// it gets, a spy on every notification delivered anywhere, and a server that
// listens on 127.0.0.1 with a port of the system's choice and a clock the test
// sets by hand.

#include "net/Server.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

inline bool IsClientNotification(QEvent::Type type)
{
    return type == WM_CLIENT_RECEIVE || type == WM_CLIENT_ACCEPT || type == WM_CLIENT_REMOVE;
}

struct Notification
{
    QEvent::Type type;
    CClient* client;
};

// Stands in for the window that a server notifies.
class NotifyRecorder : public QObject
{
public:
    int Count(QEvent::Type type) const
    {
        int count = 0;
        for (const Notification& n : m_received)
            count += n.type == type ? 1 : 0;
        return count;
    }

    std::vector<Notification> m_received;

protected:
    bool event(QEvent* e) override
    {
        if (!IsClientNotification(e->type()))
            return QObject::event(e);
        m_received.push_back({e->type(), static_cast<CClientNotifyEvent*>(e)->m_pClient});
        return true;
    }
};

// Counts the client notifications delivered to any object of the application.
class AppNotificationSpy : public QObject
{
public:
    AppNotificationSpy() { QCoreApplication::instance()->installEventFilter(this); }
    ~AppNotificationSpy() override { QCoreApplication::instance()->removeEventFilter(this); }

    int m_nSeen = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        m_nSeen += IsClientNotification(e->type()) ? 1 : 0;
        return false;
    }
};

// A record whose 40 bytes all differ from those of records with another seed.
inline MessageRecord MakeRecord(int seed)
{
    MessageRecord record;
    for (std::size_t i = 0; i < kRecordSize; ++i)
        record.bytes[i] = static_cast<std::uint8_t>(seed * 41 + static_cast<int>(i) * 7 + 1);
    return record;
}

inline std::string Bytes(const MessageRecord& record)
{
    return std::string(reinterpret_cast<const char*>(record.bytes), kRecordSize);
}

inline std::string Stream(int firstSeed, int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += Bytes(MakeRecord(firstSeed + i));
    return bytes;
}

inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

// The test's end of one connection and the client the server accepted for it.
struct Peer
{
    std::unique_ptr<QTcpSocket> socket;
    CClient* client = nullptr;

    void Send(const std::string& bytes)
    {
        socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket->flush();
    }
};

class LoopbackServer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_server.m_bindAddress = QHostAddress(QHostAddress::LocalHost);
        m_server.m_nPort = 0;
        m_server.m_clock = [this] { return m_nowMs; };
        m_server.m_pNotifyWnd = &m_window;
        ASSERT_EQ(m_server.Open(CMySocket::modeListen), S_OK);
        m_nPort = m_server.m_pListener->serverPort();
    }

    // Connects a new peer and waits until the server has listed its client.
    Peer Connect()
    {
        Peer peer{std::make_unique<QTcpSocket>()};
        const qsizetype listed = m_server.m_clients.size();
        peer.socket->connectToHost(QHostAddress(QHostAddress::LocalHost), m_nPort);
        const bool accepted = WaitFor([&] {
            return peer.socket->state() == QAbstractSocket::ConnectedState && m_server.m_clients.size() > listed;
        });
        EXPECT_TRUE(accepted) << "no connection accepted within the time";
        if (accepted)
            peer.client = m_server.m_clients.last();
        return peer;
    }

    std::int64_t m_nowMs = 1000;  // the clock of every read step, held still unless a test moves it
    quint16 m_nPort = 0;
    NotifyRecorder m_window;      // outlives the server, which notifies it when destroyed
    CServer m_server;
};
