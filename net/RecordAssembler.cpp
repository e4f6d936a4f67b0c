#include "net/RecordAssembler.h"

#include <algorithm>
#include <cstring>

HRESULT RecordRing::Put(const MessageRecord* record)
{
    if (record == nullptr || m_bFull)
        return E_FAIL;
    m_slots[m_nWrite] = *record;
    m_nWrite = static_cast<std::uint8_t>((m_nWrite + 1) % kSlotCount);
    if (m_nRead == m_nWrite)
        m_bFull = 1;
    return S_OK;
}

std::size_t CRecordAssembler::BeginReadStep(std::int64_t nowMs)
{
    // Unsigned difference: a clock that went back gives a huge value and also
    // gives the record up.
    const std::uint64_t elapsedMs = static_cast<std::uint64_t>(nowMs) - static_cast<std::uint64_t>(m_lastRead);
    if (elapsedMs >= kStalePieceMs)
        m_nPending = 0;
    m_lastRead = nowMs;
    return kRecordSize - m_nPending;
}

void CRecordAssembler::EndReadStep(std::size_t count)
{
    assert(count <= kRecordSize - m_nPending);
    const std::size_t total = m_nPending + count;
    if (total < kRecordSize) {
        m_nPending = static_cast<std::uint32_t>(total);
        return;
    }
    if (m_queue.Put(&m_recvBuf) == S_OK)
        m_nFlags |= 1;
    m_nPending = 0;
}

void CRecordAssembler::Feed(const std::uint8_t* piece, std::size_t size, std::int64_t nowMs)
{
    std::size_t offset = 0;
    ReceiveNotification(
        [nowMs] { return nowMs; },
        [&](std::uint8_t* dst, std::size_t maxBytes) {
            const std::size_t count = std::min(maxBytes, size - offset);
            if (count > 0)
                std::memcpy(dst, piece + offset, count);
            offset += count;
            return static_cast<long long>(count);
        },
        [&] { return offset < size; });
}
