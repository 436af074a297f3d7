// The test player's TFTP packet handling: requests, opcodes, block numbers and error messages of
// arbitrary datagrams, and the netascii decoder fed a transfer in arbitrary pieces.

#include "check.h"
#include "core/base/ascii.h"
#include "tftp.h"

#include <algorithm>

namespace {

// The transfer cut where the input's own bytes say, pieces of 1 to 600 bytes.
std::string decodeInPieces(std::string_view wire, std::string_view cuts)
{
    q7sim::NetasciiDecoder decoder;
    std::string out;
    size_t at = 0;
    for (size_t k = 0; at < wire.size(); ++k) {
        const size_t piece = cuts.empty() ? 512 : 1 + (unsigned char)cuts[k % cuts.size()] * 599 / 255;
        const std::string decoded = decoder.feed(wire.substr(at, piece));
        FUZZ_CHECK(decoded.size() <= std::min(piece, wire.size() - at) + 1);
        out += decoded;
        at += piece;
    }
    out += decoder.finish();
    FUZZ_CHECK(decoder.finish().empty());
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view packet = fuzz::text(data, size);

    const uint16_t opcode = q7sim::opcodeOf(packet);
    FUZZ_CHECK(size >= 2 || opcode == 0);
    if (size >= 4 && (opcode == q7sim::DATA || opcode == q7sim::ACK)) {
        const uint16_t block = q7sim::blockOf(packet);
        FUZZ_CHECK(q7sim::blockOf(q7sim::ackPacket(block)) == block);
        FUZZ_CHECK(q7sim::dataPacket(block, packet.substr(4)) == packet || opcode == q7sim::ACK);
    }
    const std::string message = q7sim::errorMessageOf(packet);
    FUZZ_CHECK(message.find('\0') == std::string::npos && message.size() + 4 <= std::max<size_t>(size, 4));
    FUZZ_CHECK(q7sim::errorMessageOf(q7sim::errorPacket(q7sim::kAccessViolation, message)) == message);

    std::string reason;
    if (const auto request = q7sim::parseRequest(packet, &reason)) {
        // The packet starts with what was parsed: opcode, name, NUL, mode (any letter case), NUL.
        FUZZ_CHECK(opcode == (request->write ? q7sim::WRQ : q7sim::RRQ));
        FUZZ_CHECK(!request->name.empty() && request->name.find('\0') == std::string::npos);
        FUZZ_CHECK(request->mode.find('\0') == std::string::npos);
        FUZZ_CHECK(packet.substr(2, request->name.size()) == request->name);
        FUZZ_CHECK(packet.size() >= 4 + request->name.size() + request->mode.size());
        FUZZ_CHECK(q7::asciiLower(packet.substr(3 + request->name.size(), request->mode.size())) == request->mode);
        FUZZ_CHECK(reason.empty());
    } else {
        FUZZ_CHECK(!reason.empty());
    }

    // Netascii: decoding in pieces is decoding at once; file bytes go there and back unchanged,
    // and the wire form is at most twice as long.
    const std::string_view cuts = packet.substr(0, std::min<size_t>(size, 8));
    q7sim::NetasciiDecoder whole;
    const std::string once = whole.feed(packet) + whole.finish();
    FUZZ_CHECK(decodeInPieces(packet, cuts) == once);
    FUZZ_CHECK(once.size() <= size);
    std::string wire;
    q7sim::appendNetascii(packet, wire);
    FUZZ_CHECK(wire.size() <= 2 * size);
    FUZZ_CHECK(decodeInPieces(wire, cuts) == packet);
    return 0;
}
