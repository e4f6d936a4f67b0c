// Many connections at once: 200 peers each send 50 records in pieces of random
// size, interleaved. The clock stands still, so that a slow machine cannot make
// the stale-piece rule give up a record.

#include "NetTestSupport.h"

#include <QElapsedTimer>

#include <iostream>
#include <random>

namespace {

TEST(Load, TwoHundredClientsFiftyRecordsEachArriveIntactAndInOrder)
{
    constexpr int kClients = 200;
    constexpr int kRecords = RecordRing::kSlotCount;
    constexpr int kBacklog = 5;  // connect no faster than the listen backlog takes them

    NotifyRecorder window;
    CServer server;
    server.m_bindAddress = QHostAddress(QHostAddress::LocalHost);
    server.m_nPort = 0;
    server.m_clock = [] { return std::int64_t{42}; };
    server.m_pNotifyWnd = &window;
    ASSERT_EQ(server.Open(CMySocket::modeListen), S_OK);
    const quint16 port = server.m_pListener->serverPort();

    QElapsedTimer timer;
    timer.start();
    std::vector<std::unique_ptr<QTcpSocket>> peers;
    while (peers.size() < kClients) {
        for (int i = 0; i < kBacklog; ++i) {
            peers.push_back(std::make_unique<QTcpSocket>());
            peers.back()->setSocketOption(QAbstractSocket::LowDelayOption, 1);  // small pieces stay small
            peers.back()->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
        }
        ASSERT_TRUE(WaitFor([&] {
            for (const auto& peer : peers)
                if (peer->state() != QAbstractSocket::ConnectedState)
                    return false;
            return server.m_clients.size() == static_cast<qsizetype>(peers.size());
        })) << server.m_clients.size() << " of " << peers.size() << " connections accepted";
    }
    const qint64 connectMs = timer.restart();

    // Peer i sends records with seeds i*kRecords ... i*kRecords + 49.
    std::vector<std::string> streams;
    std::vector<std::size_t> sent(kClients, 0);
    for (int i = 0; i < kClients; ++i)
        streams.push_back(Stream(i * kRecords, kRecords));
    std::mt19937 random(20090621);
    std::uniform_int_distribution<int> pickPeer(0, kClients - 1);
    std::uniform_int_distribution<std::size_t> pieceBytes(1, 2 * kRecordSize + 17);
    std::size_t remaining = kClients * streams.front().size();
    int writes = 0;
    while (remaining > 0) {
        const int i = pickPeer(random);
        const std::size_t count = std::min(pieceBytes(random), streams[i].size() - sent[i]);
        if (count == 0)
            continue;
        peers[i]->write(streams[i].data() + sent[i], static_cast<qint64>(count));
        peers[i]->flush();
        sent[i] += count;
        remaining -= count;
        if (++writes % 64 == 0)
            QCoreApplication::processEvents();  // the server reads while the peers still write
    }

    const bool allFull = WaitFor(
        [&] {
            for (const CClient* client : server.m_clients)
                if (!client->m_queue.m_bFull)
                    return false;
            return true;
        },
        60'000);
    const qint64 deliverMs = timer.elapsed();
    std::cout << "[ load ] " << kClients << " clients: connected in " << connectMs << " ms, "
              << writes << " pieces delivered in " << deliverMs << " ms\n";
    ASSERT_TRUE(allFull);

    for (int i = 0; i < kClients; ++i) {
        const quint16 peerPort = peers[i]->localPort();
        const CClient* client = nullptr;
        for (const CClient* candidate : server.m_clients)
            if (candidate->m_pSocket->peerPort() == peerPort)
                client = candidate;
        ASSERT_NE(client, nullptr) << "peer " << i;
        EXPECT_EQ(client->m_nPending, 0u) << "peer " << i;
        for (int r = 0; r < kRecords; ++r)
            ASSERT_EQ(Bytes(client->m_queue.m_slots[r]), Bytes(MakeRecord(i * kRecords + r)))
                << "peer " << i << ", record " << r;
    }
}

}  // namespace
