#pragma once
// TFTP packets (RFC 1350) and the netascii conversion, without any socket.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace q7sim {

inline constexpr size_t kBlockSize = 512;

enum Opcode : uint16_t { RRQ = 1, WRQ = 2, DATA = 3, ACK = 4, ERROR = 5 };

enum ErrorCode : uint16_t {
    kNotDefined = 0,
    kFileNotFound = 1,
    kAccessViolation = 2,
    kDiskFull = 3,
    kIllegalOperation = 4,
    kUnknownTransferId = 5,
};

std::string dataPacket(uint16_t block, std::string_view payload);
std::string ackPacket(uint16_t block);
std::string errorPacket(uint16_t code, std::string_view message);

// 0 for a packet too short to hold one.
uint16_t opcodeOf(std::string_view packet);
// The block number of a DATA or ACK packet (the caller has checked its length).
uint16_t blockOf(std::string_view packet);
// The message of an ERROR packet, up to its terminator.
std::string errorMessageOf(std::string_view packet);

struct Request {
    bool write = false;
    std::string name;
    std::string mode;  // lower-cased
};
// A read or write request: opcode, name, NUL, mode, NUL, then RFC 2347 options, which a server
// may ignore. Empty with `reason` set for a malformed request.
std::optional<Request> parseRequest(std::string_view packet, std::string* reason);

// File bytes to netascii, appended to `wire`: LF becomes CR LF, CR becomes CR NUL. Every byte
// is converted on its own, so a file can be converted piece by piece as it is sent.
void appendNetascii(std::string_view bytes, std::string& wire);

// Netascii back to file bytes, across block boundaries: CR LF becomes LF, CR NUL becomes CR.
class NetasciiDecoder {
public:
    std::string feed(std::string_view wire);
    std::string finish();  // a CR left at the very end stands for itself

private:
    bool m_pendingCR = false;
};

}  // namespace q7sim
