// The server and its clients over real loopback connections: accepting with
// and without a window, the notifications, removing clients, and the idle
// global server.

#include "NetTestSupport.h"

#include <QProcess>
#include <QTcpServer>

namespace {

using Accept = LoopbackServer;

TEST_F(Accept, WithAWindowOpensTheClientAndNotifies)
{
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    EXPECT_EQ(m_server.m_clients.size(), 1);
    EXPECT_NE(peer.client->m_pArIn, nullptr);
    EXPECT_EQ(peer.client->m_pNotifyWnd, &m_window);
    ASSERT_TRUE(WaitFor([&] { return m_window.Count(WM_CLIENT_ACCEPT) == 1; }));
    EXPECT_EQ(m_window.m_received.front().client, nullptr);

    peer.Send(Bytes(MakeRecord(4)));
    ASSERT_TRUE(WaitFor([&] { return m_window.Count(WM_CLIENT_RECEIVE) == 1; }));
    EXPECT_EQ(m_window.m_received.back().client, peer.client);
    EXPECT_EQ(peer.client->m_queue.m_nWrite, 1);
}

TEST_F(Accept, WithoutAWindowListsTheClientButNeitherOpensItNorNotifies)
{
    m_server.m_pNotifyWnd = nullptr;
    AppNotificationSpy spy;
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    EXPECT_EQ(m_server.m_clients.size(), 1);
    EXPECT_EQ(peer.client->m_pArIn, nullptr);
    EXPECT_EQ(peer.client->m_pNotifyWnd, nullptr);

    // The bytes arrive in the connection's buffer; the client has no streams to read them.
    peer.Send(Bytes(MakeRecord(4)));
    ASSERT_TRUE(WaitFor([&] { return peer.client->m_pSocket->bytesAvailable() == 40; }));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(peer.client->m_queue.m_nWrite, 0);
    EXPECT_EQ(spy.m_nSeen, 0);

    const MessageRecord record = MakeRecord(1);
    EXPECT_EQ(peer.client->SendRecord(&record), E_FAIL);
}

using ClientReceive = LoopbackServer;

TEST_F(ClientReceive, NotifiesAlsoWhenNothingWasQueued)
{
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    peer.Send(std::string(20, 'a'));
    ASSERT_TRUE(WaitFor([&] { return m_window.Count(WM_CLIENT_RECEIVE) == 1; }));
    EXPECT_EQ(m_window.m_received.back().client, peer.client);
    EXPECT_EQ(peer.client->m_queue.m_nWrite, 0);
    EXPECT_EQ(peer.client->m_nPending, 20u);

    // A full queue drops the record, and the window hears of it all the same.
    peer.client->m_queue.m_bFull = 1;
    peer.Send(std::string(20, 'b'));
    ASSERT_TRUE(WaitFor([&] { return m_window.Count(WM_CLIENT_RECEIVE) == 2; }));
    EXPECT_EQ(peer.client->m_nPending, 0u);
    EXPECT_EQ(peer.client->m_nFlags, 0);
}

TEST_F(ClientReceive, PeerThatDisconnectsStaysListed)
{
    Peer staying = Connect();
    Peer leaving = Connect();
    ASSERT_NE(leaving.client, nullptr);
    leaving.socket->disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return leaving.client->m_pSocket->state() == QAbstractSocket::UnconnectedState; }));
    QTest::qWait(20);  // further events of the closed connection
    ASSERT_EQ(m_server.m_clients.size(), 2);
    EXPECT_EQ(m_server.m_clients.at(1), leaving.client);

    // Its farewell cannot go out; it is removed all the same.
    EXPECT_EQ(m_server.RemoveClient(leaving.client), S_OK);
    ASSERT_EQ(m_server.m_clients.size(), 1);
    EXPECT_EQ(m_server.m_clients.front(), staying.client);
}

using Remove = LoopbackServer;

// Waits until the peer has its farewell record and sees the connection closed.
::testing::AssertionResult GetsFarewellAndClose(Peer& peer)
{
    QByteArray received;
    const bool closed = WaitFor([&] {
        received += peer.socket->readAll();
        return peer.socket->state() == QAbstractSocket::UnconnectedState;
    });
    received += peer.socket->readAll();
    if (!closed)
        return ::testing::AssertionFailure() << "connection still open";
    if (received.toStdString() != Bytes(kFarewellRecord))
        return ::testing::AssertionFailure() << received.size() << " bytes instead of the farewell record";
    return ::testing::AssertionSuccess();
}

TEST_F(Remove, AllClientsGetTheFarewellInListOrder)
{
    Peer peers[3] = {Connect(), Connect(), Connect()};
    std::vector<CClient*> listed(m_server.m_clients.begin(), m_server.m_clients.end());
    std::vector<QObject*> deleted;
    for (CClient* client : listed)
        QObject::connect(client, &QObject::destroyed, [&deleted](QObject* gone) { deleted.push_back(gone); });
    ASSERT_TRUE(WaitFor([&] { return m_window.Count(WM_CLIENT_ACCEPT) == 3; }));

    EXPECT_EQ(m_server.RemoveClient(nullptr), S_OK);
    EXPECT_TRUE(m_server.m_clients.isEmpty());
    EXPECT_EQ(deleted, std::vector<QObject*>(listed.begin(), listed.end()));
    QCoreApplication::sendPostedEvents(&m_window);
    EXPECT_EQ(m_window.Count(WM_CLIENT_REMOVE), 1);
    for (Peer& peer : peers)
        EXPECT_TRUE(GetsFarewellAndClose(peer));
}

TEST_F(Remove, OneClientTakesOutOnlyTheFirstEntryThatHoldsIt)
{
    Peer first = Connect();
    Peer second = Connect();
    ASSERT_NE(second.client, nullptr);
    m_server.m_clients.append(first.client);  // listed twice

    EXPECT_EQ(m_server.RemoveClient(first.client), S_OK);
    ASSERT_EQ(m_server.m_clients.size(), 2);
    EXPECT_EQ(m_server.m_clients.at(0), second.client);
    // The second entry still holds the deleted client: take it out unused, so
    // that the server does not delete it again.
    m_server.m_clients.removeLast();
    EXPECT_TRUE(GetsFarewellAndClose(first));
    EXPECT_EQ(second.socket->state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(second.socket->bytesAvailable(), 0);

    // A client that is not listed changes nothing, and the window is told all the same.
    CClient stranger;
    EXPECT_EQ(m_server.RemoveClient(&stranger), S_OK);
    EXPECT_EQ(m_server.m_clients.size(), 1);
    QCoreApplication::sendPostedEvents(&m_window);
    EXPECT_EQ(m_window.Count(WM_CLIENT_REMOVE), 2);
}

TEST(TheServer, IsIdle)
{
    EXPECT_EQ(theServer.m_pListener, nullptr);
    EXPECT_EQ(theServer.m_pSocket, nullptr);
    EXPECT_TRUE(theServer.m_clients.isEmpty());
    EXPECT_EQ(theServer.m_pNotifyWnd, nullptr);
    EXPECT_EQ(theServer.m_nPort, 700u);
    EXPECT_EQ(theServer.m_nMode, CMySocket::modePlain);
    EXPECT_TRUE(theServer.children().isEmpty());
}

// A program that ends with only the idle server left: its destruction after
// main(), with no application object any more, must pass without a word.
TEST(TheServer, IsDestroyedAtExitWithoutASocketOperation)
{
    QProcess program;
    program.start(QStringLiteral(CREPULO_IDLE_SERVER_EXIT), {});
    ASSERT_TRUE(program.waitForFinished(30'000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardError().toStdString(), "");
}

}  // namespace
