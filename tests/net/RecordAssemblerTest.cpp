// The record queue and the assembly of records from pieces, without a socket.

#include "net/RecordAssembler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

MessageRecord Numbered(int n)
{
    MessageRecord record;
    std::memset(record.bytes, n, kRecordSize);
    record.bytes[0] = static_cast<std::uint8_t>(n);
    record.bytes[39] = static_cast<std::uint8_t>(~n);
    return record;
}

std::string Bytes(const MessageRecord& record)
{
    return std::string(reinterpret_cast<const char*>(record.bytes), kRecordSize);
}

const std::uint8_t* Data(const std::string& s)
{
    return reinterpret_cast<const std::uint8_t*>(s.data());
}

}  // namespace

TEST(RecordRing, FiftyRecordsFillItForGoodAndTheFiftyFirstIsRefused)
{
    RecordRing ring;
    for (int i = 0; i < 49; ++i) {
        const MessageRecord record = Numbered(i);
        ASSERT_EQ(ring.Put(&record), S_OK);
    }
    EXPECT_EQ(ring.m_nWrite, 49);
    EXPECT_EQ(ring.m_bFull, 0);

    const MessageRecord fiftieth = Numbered(49);
    ASSERT_EQ(ring.Put(&fiftieth), S_OK);
    EXPECT_EQ(ring.m_nWrite, 0);
    EXPECT_EQ(ring.m_bFull, 1);

    const MessageRecord extra = Numbered(50);
    EXPECT_EQ(ring.Put(&extra), E_FAIL);
    EXPECT_EQ(ring.m_nWrite, 0);
    EXPECT_EQ(ring.m_nRead, 0);
    EXPECT_EQ(ring.m_bFull, 1);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(Bytes(ring.m_slots[i]), Bytes(Numbered(i))) << "slot " << i;
}

TEST(RecordRing, PutOfNullChangesNothing)
{
    RecordRing ring;
    const MessageRecord first = Numbered(1);
    ASSERT_EQ(ring.Put(&first), S_OK);
    EXPECT_EQ(ring.Put(nullptr), E_FAIL);
    EXPECT_EQ(ring.m_nWrite, 1);
    EXPECT_EQ(ring.m_bFull, 0);
    EXPECT_EQ(Bytes(ring.m_slots[0]), Bytes(first));
    EXPECT_EQ(Bytes(ring.m_slots[1]), std::string(kRecordSize, '\0'));
}

// Every piece size from one byte to more than two records cuts the same
// stream differently; each must give back the same three records.
TEST(RecordAssembler, AnyPieceSizeJoinsTheSameRecords)
{
    const std::string stream = Bytes(Numbered(1)) + Bytes(Numbered(2)) + Bytes(Numbered(3));
    for (std::size_t pieceSize = 1; pieceSize <= 2 * kRecordSize + 1; ++pieceSize) {
        CRecordAssembler assembler;
        for (std::size_t offset = 0; offset < stream.size(); offset += pieceSize)
            assembler.Feed(Data(stream) + offset, std::min(pieceSize, stream.size() - offset), 5000);
        ASSERT_EQ(assembler.m_queue.m_nWrite, 3) << "pieces of " << pieceSize;
        EXPECT_EQ(assembler.m_nPending, 0u) << "pieces of " << pieceSize;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Bytes(assembler.m_queue.m_slots[i]), Bytes(Numbered(i + 1))) << "pieces of " << pieceSize;
    }
}

// A clock that went back (a steady clock never does) counts as a long pause.
TEST(RecordAssembler, ClockGoingBackGivesUpTheIncompleteRecord)
{
    const std::string record = Bytes(Numbered(7));
    CRecordAssembler assembler;
    assembler.Feed(Data(record), 30, 10'000);
    ASSERT_EQ(assembler.m_nPending, 30u);
    assembler.Feed(Data(record) + 30, 10, 9'999);
    EXPECT_EQ(assembler.m_nPending, 10u);
    EXPECT_EQ(assembler.m_queue.m_nWrite, 0);
    EXPECT_EQ(assembler.m_nFlags, 0);
}

// The flag says a record was queued; one the full queue dropped does not set it.
TEST(RecordAssembler, RecordDroppedByFullQueueLeavesFlagUnset)
{
    CRecordAssembler assembler;
    assembler.m_queue.m_bFull = 1;
    const std::string record = Bytes(Numbered(3));
    assembler.Feed(Data(record), record.size(), 0);
    EXPECT_EQ(assembler.m_nFlags, 0);
    EXPECT_EQ(assembler.m_nPending, 0u);
}
