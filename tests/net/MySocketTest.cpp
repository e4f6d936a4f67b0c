// The record socket over real loopback connections: receiving, the stale-piece
// rule, the full queue, sending, and opening in each mode.

#include "NetTestSupport.h"

#include <QDateTime>
#include <QTcpServer>

namespace {

struct WholeRecordsCase
{
    const char* name;
    int records;
};

void PrintTo(const WholeRecordsCase& c, std::ostream* os) { *os << c.name; }

class WholeRecords : public LoopbackServer, public ::testing::WithParamInterface<WholeRecordsCase> {};

TEST_P(WholeRecords, ArriveInTheQueueAndSetTheFlag)
{
    const int count = GetParam().records;
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    EXPECT_EQ(peer.client->m_nFlags, 0);

    peer.Send(Stream(10, count));
    ASSERT_TRUE(WaitFor([&] { return peer.client->m_queue.m_nWrite == count; }));
    EXPECT_EQ(peer.client->m_nFlags, 1);
    EXPECT_EQ(peer.client->m_nPending, 0u);
    EXPECT_EQ(peer.client->m_queue.m_bFull, 0);
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(Bytes(peer.client->m_queue.m_slots[i]), Bytes(MakeRecord(10 + i))) << "record " << i;
}

const WholeRecordsCase kWholeRecords[] = {
    {"FortyBytesOneRecord", 1},
    {"HundredTwentyBytesThreeRecords", 3},
};
INSTANTIATE_TEST_SUITE_P(Receive, WholeRecords, ::testing::ValuesIn(kWholeRecords),
                         [](const auto& info) { return std::string(info.param.name); });

// A record sent in two pieces, the first read at firstMs and the second at
// secondMs on the socket's clock.
struct SplitCase
{
    const char* name;
    std::int64_t firstMs;
    std::int64_t secondMs;
    bool joined;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitRecord : public LoopbackServer, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitRecord, IsJoinedUnlessTheSecondPieceComesTooLate)
{
    const SplitCase& c = GetParam();
    const std::string record = Bytes(MakeRecord(5));
    constexpr std::size_t kFirstBytes = 25;
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);

    m_nowMs = c.firstMs;
    peer.Send(record.substr(0, kFirstBytes));
    ASSERT_TRUE(WaitFor([&] { return peer.client->m_nPending == kFirstBytes; }));
    const int notified = m_window.Count(WM_CLIENT_RECEIVE);

    m_nowMs = c.secondMs;
    peer.Send(record.substr(kFirstBytes));
    if (c.joined) {
        ASSERT_TRUE(WaitFor([&] { return peer.client->m_queue.m_nWrite == 1; }));
        EXPECT_EQ(Bytes(peer.client->m_queue.m_slots[0]), record);
        EXPECT_EQ(peer.client->m_nPending, 0u);
    } else {
        // The late piece starts a new record of its own.
        ASSERT_TRUE(WaitFor([&] { return m_window.Count(WM_CLIENT_RECEIVE) > notified; }));
        EXPECT_EQ(peer.client->m_nPending, record.size() - kFirstBytes);
        EXPECT_EQ(peer.client->m_queue.m_nWrite, 0);
        EXPECT_EQ(peer.client->m_nFlags, 0);
    }
}

const SplitCase kSplits[] = {
    {"FiveMsApart", 1200, 1205, true},
    {"FiveMsApartAcrossASecondBoundary", 1998, 2003, true},
    {"NinetyNineMsApart", 1000, 1099, true},
    {"HundredMsApart", 1000, 1100, false},
    {"TwoSecondsApart", 1000, 3000, false},
};
INSTANTIATE_TEST_SUITE_P(Receive, SplitRecord, ::testing::ValuesIn(kSplits),
                         [](const auto& info) { return std::string(info.param.name); });

using Receive = LoopbackServer;

TEST_F(Receive, FiftyRecordsFillTheQueueAndTheFiftyFirstIsDropped)
{
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    // Ten bytes after the 51 records show when everything before them is read.
    peer.Send(Stream(0, 51) + std::string(10, 'x'));
    ASSERT_TRUE(WaitFor([&] { return peer.client->m_nPending == 10; }));

    const RecordRing& queue = peer.client->m_queue;
    EXPECT_EQ(queue.m_bFull, 1);
    EXPECT_EQ(queue.m_nWrite, 0);
    EXPECT_EQ(queue.m_nRead, 0);
    for (int i = 0; i < RecordRing::kSlotCount; ++i)
        EXPECT_EQ(Bytes(queue.m_slots[i]), Bytes(MakeRecord(i))) << "slot " << i;
}

using Send = LoopbackServer;

TEST_F(Send, RecordReachesThePeerWhole)
{
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    const MessageRecord first = MakeRecord(1);
    const MessageRecord second = MakeRecord(2);
    EXPECT_EQ(peer.client->SendRecord(&first), S_OK);
    EXPECT_EQ(peer.client->SendRecord(&second), S_OK);
    ASSERT_TRUE(WaitFor([&] { return peer.socket->bytesAvailable() >= 80; }));
    EXPECT_EQ(peer.socket->readAll().toStdString(), Bytes(first) + Bytes(second));
}

TEST_F(Send, SocketWithoutStreamsRefuses)
{
    const MessageRecord record = MakeRecord(1);
    CMySocket neverOpened;
    EXPECT_EQ(neverOpened.SendRecord(&record), E_FAIL);
    neverOpened.CloseStreams();  // nothing to drop: no effect
    EXPECT_EQ(neverOpened.SendRecord(&record), E_FAIL);

    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    peer.client->CloseStreams();
    EXPECT_EQ(peer.client->SendRecord(&record), E_FAIL);
    ASSERT_EQ(peer.client->Open(CMySocket::modeAccepted), S_OK);  // new streams on the same connection
    EXPECT_EQ(peer.client->SendRecord(&record), S_OK);
    ASSERT_TRUE(WaitFor([&] { return peer.socket->bytesAvailable() == 40; }));
}

// The record cannot go out once the peer has gone: a failure, never S_OK.
TEST_F(Send, AfterThePeerHasGoneFailsAndDropsTheStreams)
{
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    peer.socket->disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return peer.client->m_pSocket->state() != QAbstractSocket::ConnectedState; }));

    const MessageRecord record = MakeRecord(1);
    EXPECT_EQ(peer.client->SendRecord(&record), E_FAIL);
    EXPECT_EQ(peer.client->m_pArOut, nullptr);
    EXPECT_EQ(peer.client->SendRecord(&record), E_FAIL);
}

// The peer resets the connection before the client has noticed anything: the
// write itself fails, and that is reported.
TEST_F(Send, IntoAConnectionThePeerHasResetFails)
{
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    const MessageRecord record = MakeRecord(1);
    ASSERT_EQ(peer.client->SendRecord(&record), S_OK);
    // Closing with that record unread makes the peer's system answer with a reset.
    peer.socket->abort();
    ASSERT_EQ(peer.client->m_pSocket->state(), QAbstractSocket::ConnectedState);

    EXPECT_EQ(peer.client->SendRecord(&record), E_FAIL);
    EXPECT_EQ(peer.client->m_pArOut, nullptr);
}

// Records sent just before a client is deleted still reach a peer that reads
// slowly: closing waits for them instead of throwing them away.
TEST_F(Send, RecordsStillBufferedWhenTheClientIsDeletedReachThePeer)
{
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    // The peer reads nothing while the event loop does not run: fill the
    // connection until records wait in the client's own buffer.
    const MessageRecord record = MakeRecord(3);
    qint64 sent = 0;
    while (peer.client->m_pSocket->bytesToWrite() == 0 && sent < 1'000'000) {
        ASSERT_EQ(peer.client->SendRecord(&record), S_OK);
        ++sent;
    }
    ASSERT_GT(peer.client->m_pSocket->bytesToWrite(), 0) << "the connection never filled up";

    EXPECT_EQ(m_server.RemoveClient(peer.client), S_OK);
    QByteArray received;
    const bool complete = WaitFor(
        [&] {
            received += peer.socket->readAll();
            return received.size() >= (sent + 1) * 40 && peer.socket->state() == QAbstractSocket::UnconnectedState;
        },
        30'000);
    ASSERT_TRUE(complete) << received.size() << " of " << (sent + 1) * 40 << " bytes";
    ASSERT_EQ(received.size(), (sent + 1) * 40);
    EXPECT_EQ(received.right(40).toStdString(), Bytes(kFarewellRecord));
    EXPECT_EQ(received.left(40).toStdString(), Bytes(record));
}

TEST(Open, PlainSocketIsBoundButHasNoPeerToSendTo)
{
    CMySocket socket;
    socket.m_bindAddress = QHostAddress(QHostAddress::LocalHost);
    ASSERT_EQ(socket.Open(CMySocket::modePlain), S_OK);
    ASSERT_NE(socket.m_pSocket, nullptr);
    EXPECT_NE(socket.m_pSocket->localPort(), 0);
    EXPECT_NE(socket.m_pArOut, nullptr);

    const MessageRecord record = MakeRecord(1);
    EXPECT_EQ(socket.SendRecord(&record), E_FAIL);
    EXPECT_EQ(socket.m_pArOut, nullptr);
}

TEST(Open, AcceptedModeWithoutAConnectionFails)
{
    CMySocket socket;
    EXPECT_EQ(socket.Open(CMySocket::modeAccepted), E_FAIL);
    EXPECT_EQ(socket.m_nMode, CMySocket::modeAccepted);
    EXPECT_EQ(socket.m_pArIn, nullptr);
}

TEST(Open, ListenFailsOnABusyPortOrOneOutOfRange)
{
    CServer first;
    first.m_bindAddress = QHostAddress(QHostAddress::LocalHost);
    first.m_nPort = 0;
    ASSERT_EQ(first.Open(CMySocket::modeListen), S_OK);

    CServer second;
    second.m_bindAddress = QHostAddress(QHostAddress::LocalHost);
    second.m_nPort = first.m_pListener->serverPort();
    EXPECT_EQ(second.Open(CMySocket::modeListen), E_FAIL);
    EXPECT_EQ(second.m_nMode, CMySocket::modeListen);
    EXPECT_EQ(second.m_pListener, nullptr);

    second.m_nPort = 70000;
    EXPECT_EQ(second.Open(CMySocket::modeListen), E_FAIL);
}

using Listen = LoopbackServer;

// Dropping the streams of a listening socket shuts down nothing: it still accepts.
TEST_F(Listen, StillAcceptsAfterItsStreamsAreDropped)
{
    EXPECT_EQ(m_server.ShutdownAndDrain(), CMySocket::kSocketError);
    m_server.CloseStreams();
    const Peer peer = Connect();
    EXPECT_NE(peer.client, nullptr);
}

using Shutdown = LoopbackServer;

TEST_F(Shutdown, ClosesTheConnectionAndThrowsAwayBufferedInput)
{
    m_server.m_pNotifyWnd = nullptr;  // the client is not opened, so its input stays buffered
    Peer peer = Connect();
    ASSERT_NE(peer.client, nullptr);
    peer.Send(std::string(30, 'z'));
    ASSERT_TRUE(WaitFor([&] { return peer.client->m_pSocket->bytesAvailable() == 30; }));

    EXPECT_EQ(peer.client->ShutdownAndDrain(), CMySocket::kSocketError);
    EXPECT_EQ(peer.client->m_pSocket->bytesAvailable(), 0);
    EXPECT_TRUE(WaitFor([&] { return peer.socket->state() == QAbstractSocket::UnconnectedState; }));
}

struct LocalTimeCase
{
    const char* name;
    QDateTime moment;
    SystemTime expected;
};

void PrintTo(const LocalTimeCase& c, std::ostream* os) { *os << c.name; }

class LocalTime : public ::testing::TestWithParam<LocalTimeCase> {};

TEST_P(LocalTime, HasWholeSecondsAndSundayAsZero)
{
    const LocalTimeCase& c = GetParam();
    SystemTime out;
    out.wMilliseconds = 999;
    ASSERT_EQ(GetCurrentLocalTime(&out, c.moment), S_OK);
    const SystemTime& e = c.expected;
    EXPECT_EQ(out.wYear, e.wYear);
    EXPECT_EQ(out.wMonth, e.wMonth);
    EXPECT_EQ(out.wDayOfWeek, e.wDayOfWeek);
    EXPECT_EQ(out.wDay, e.wDay);
    EXPECT_EQ(out.wHour, e.wHour);
    EXPECT_EQ(out.wMinute, e.wMinute);
    EXPECT_EQ(out.wSecond, e.wSecond);
    EXPECT_EQ(out.wMilliseconds, 0);
}

const LocalTimeCase kLocalTimes[] = {
    {"MidsummerSunday", QDateTime(QDate(2009, 6, 21), QTime(14, 5, 7, 123)), {2009, 6, 0, 21, 14, 5, 7, 0}},
    {"NewYearsEveSaturday", QDateTime(QDate(2022, 12, 31), QTime(23, 59, 59, 999)), {2022, 12, 6, 31, 23, 59, 59, 0}},
};
INSTANTIATE_TEST_SUITE_P(Clock, LocalTime, ::testing::ValuesIn(kLocalTimes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Clock, LocalTimeRefusesNullAndCountsYearsBefore1900AsTheEpoch)
{
    EXPECT_EQ(GetCurrentLocalTime(nullptr), E_FAIL);
    SystemTime out;
    ASSERT_EQ(GetCurrentLocalTime(&out, QDateTime(QDate(1850, 3, 1), QTime(12, 0))), S_OK);
    // 1970-01-01 00:00 UTC, which is 1969-12-31 in zones west of Greenwich.
    EXPECT_TRUE((out.wYear == 1970 && out.wMonth == 1 && out.wDay == 1)
                || (out.wYear == 1969 && out.wMonth == 12 && out.wDay == 31))
        << out.wYear << '-' << out.wMonth << '-' << out.wDay;
    EXPECT_EQ(GetCurrentLocalTime(&out), S_OK);
    EXPECT_GE(out.wYear, 2020);
}

}  // namespace
