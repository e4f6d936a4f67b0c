#pragma once
// The record side of the message socket, free of any socket: the 40-byte
// record, the receive queue and the assembly of records from the byte pieces
// that arrive. The socket feeds it what it reads; tests and the fuzz target
// feed it pieces from memory.

#include "net/HResult.h"

#include <cassert>
#include <cstddef>
#include <cstdint>

// Bytes of one record on the wire. Records follow one another with no header,
// length or separator, so their boundaries follow from the byte count alone.
inline constexpr std::size_t kRecordSize = 40;

// One record. Its content is opaque to the socket; the one defined value is the
// farewell record, whose first 32-bit word (bytes 0..3, little-endian) is 0.
struct MessageRecord
{
    std::uint8_t bytes[kRecordSize] = {};
};
static_assert(sizeof(MessageRecord) == kRecordSize);

// The receive queue: 50 slots filled in order of arrival. Nothing takes records
// out (the read index stays 0), so after 50 records the queue is full for good.
struct RecordRing
{
    static constexpr std::uint8_t kSlotCount = 50;

    // Copies the record into the next slot. E_FAIL, changing nothing, for a null
    // record or a full queue.
    HRESULT Put(const MessageRecord* record);

    std::uint8_t m_nRead = 0;    // slot of the oldest record
    std::uint8_t m_nWrite = 0;   // slot the next record goes to
    std::int32_t m_bFull = 0;    // 1 once the write index has caught up with the read index
    MessageRecord m_slots[kSlotCount];
};

// Joins the pieces of the byte stream into records and puts every complete one
// into the queue. Bytes of an incomplete record wait in m_recvBuf; a piece
// continues where they end. An incomplete record is given up when 100 ms or
// more have passed between two read steps, so that a peer that stopped in the
// middle of a record does not misframe everything it sends afterwards.
class CRecordAssembler
{
public:
    // Read steps further apart than this (milliseconds) give up the incomplete record.
    static constexpr std::uint64_t kStalePieceMs = 100;

    // Starts a read step at nowMs (a monotonic clock in milliseconds): gives up
    // the incomplete record when kStalePieceMs or more have passed since the
    // previous step, or the clock went back. Returns how many bytes complete
    // the record; the step stores them at m_recvBuf.bytes + m_nPending.
    std::size_t BeginReadStep(std::int64_t nowMs);

    // Ends the read step after `count` bytes (at most what BeginReadStep asked
    // for) were stored. A complete record goes into the queue and sets bit 0 of
    // m_nFlags when the queue took it; a full queue drops it without a report.
    void EndReadStep(std::size_t count);

    // One receive notification: read steps until no buffered input remains,
    // at least one. nowMs() gives the clock of each step; read(dst, maxBytes)
    // stores up to maxBytes at dst and returns their count (0 when nothing is
    // there) or a negative value on a read error, which ends the notification
    // with false and leaves the pending bytes counted; moreBuffered() tells
    // whether input remains.
    template <class Clock, class Read, class MoreBuffered>
    bool ReceiveNotification(Clock&& nowMs, Read&& read, MoreBuffered&& moreBuffered)
    {
        do {
            const std::size_t wanted = BeginReadStep(nowMs());
            const long long count = read(m_recvBuf.bytes + m_nPending, wanted);
            if (count < 0)
                return false;
            assert(static_cast<unsigned long long>(count) <= wanted);
            EndReadStep(static_cast<std::size_t>(count));
        } while (moreBuffered());
        return true;
    }

    // A receive notification for one piece of `size` bytes at `piece`, all
    // buffered at once and read at nowMs.
    void Feed(const std::uint8_t* piece, std::size_t size, std::int64_t nowMs);

    MessageRecord m_recvBuf;       // bytes of the record being assembled
    std::int64_t m_lastRead = 0;   // clock of the previous read step, milliseconds
    std::uint32_t m_nPending = 0;  // bytes of an incomplete record in m_recvBuf, 0..39
    RecordRing m_queue;            // received records
    std::int32_t m_nFlags = 0;     // bit 0: a received record has been queued
};
