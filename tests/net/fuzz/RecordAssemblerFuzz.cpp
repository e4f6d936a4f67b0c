// libFuzzer target for the record assembly: arbitrary sequences of pieces,
// clock values and read sizes, checked after every receive notification
// against a plain model of the stream (a string that grows and is cut every
// 40 bytes, emptied after a pause of 100 ms or more).
//
// Input: a sequence of pieces, each
//   [length] [readSize] [clock step, int16 little-endian] [length bytes]
// readSize 0 makes the first read of the notification fail; otherwise reads
// return at most readSize bytes. A clock step of -32768 is followed by eight
// bytes giving the clock outright, so the extremes of the range come up too.

#include "net/RecordAssembler.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Model
{
    std::string pending;
    std::vector<std::string> queued;
    std::int64_t lastReadMs = 0;
    bool flag = false;

    void Notification(std::int64_t nowMs, const std::string& bytes, bool readFails)
    {
        if (static_cast<std::uint64_t>(nowMs) - static_cast<std::uint64_t>(lastReadMs) >= 100)
            pending.clear();
        lastReadMs = nowMs;
        if (readFails)
            return;
        for (char byte : bytes) {
            pending += byte;
            if (pending.size() == kRecordSize) {
                if (queued.size() < RecordRing::kSlotCount) {
                    queued.push_back(pending);
                    flag = true;
                }
                pending.clear();
            }
        }
    }
};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckSame(const CRecordAssembler& assembler, const Model& model)
{
    Check(assembler.m_nPending < kRecordSize);
    Check(assembler.m_nPending == model.pending.size());
    Check(std::memcmp(assembler.m_recvBuf.bytes, model.pending.data(), model.pending.size()) == 0);
    Check(assembler.m_lastRead == model.lastReadMs);
    Check(assembler.m_nFlags == (model.flag ? 1 : 0));
    const RecordRing& queue = assembler.m_queue;
    Check(queue.m_nRead == 0);
    Check(queue.m_nWrite == model.queued.size() % RecordRing::kSlotCount);
    Check(queue.m_bFull == (model.queued.size() == RecordRing::kSlotCount ? 1 : 0));
    for (std::size_t i = 0; i < model.queued.size(); ++i)
        Check(std::memcmp(queue.m_slots[i].bytes, model.queued[i].data(), kRecordSize) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CRecordAssembler assembler;
    Model model;
    std::int64_t nowMs = 0;
    std::size_t at = 0;
    while (size - at >= 4) {
        const std::size_t length = data[at];
        const std::size_t readSize = data[at + 1];
        const auto step = static_cast<std::int16_t>(data[at + 2] | (data[at + 3] << 8));
        at += 4;
        if (step == INT16_MIN) {
            if (size - at < 8)
                break;
            std::uint64_t clock = 0;
            for (int i = 7; i >= 0; --i)
                clock = (clock << 8) | data[at + i];
            nowMs = static_cast<std::int64_t>(clock);
            at += 8;
        } else {
            nowMs = static_cast<std::int64_t>(static_cast<std::uint64_t>(nowMs) + static_cast<std::uint64_t>(step));
        }
        const std::string piece(reinterpret_cast<const char*>(data + at), std::min(length, size - at));
        at += piece.size();

        std::size_t offset = 0;
        const bool readOk = assembler.ReceiveNotification(
            [nowMs] { return nowMs; },
            [&](std::uint8_t* dst, std::size_t maxBytes) -> long long {
                if (readSize == 0)
                    return -1;
                const std::size_t count = std::min({maxBytes, readSize, piece.size() - offset});
                std::memcpy(dst, piece.data() + offset, count);
                offset += count;
                return static_cast<long long>(count);
            },
            [&] { return offset < piece.size(); });
        Check(readOk == (readSize != 0));
        model.Notification(nowMs, piece, readSize == 0);
        CheckSame(assembler, model);
    }
    return 0;
}
