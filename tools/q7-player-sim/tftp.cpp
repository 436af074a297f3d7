#include "tftp.h"

#include "core/base/ascii.h"

namespace q7sim {
namespace {

std::string header(uint16_t opcode, uint16_t value)
{
    return {char(opcode >> 8), char(opcode & 0xFF), char(value >> 8), char(value & 0xFF)};
}

uint16_t word(std::string_view bytes, size_t at)
{
    return uint16_t(uint8_t(bytes[at]) << 8 | uint8_t(bytes[at + 1]));
}


}  // namespace

std::string dataPacket(uint16_t block, std::string_view payload)
{
    std::string packet;
    packet.reserve(4 + payload.size());
    packet += header(DATA, block);
    packet += payload;
    return packet;
}
std::string ackPacket(uint16_t block) { return header(ACK, block); }

std::string errorPacket(uint16_t code, std::string_view message)
{
    return header(ERROR, code) + std::string(message) + '\0';
}

uint16_t opcodeOf(std::string_view packet) { return packet.size() < 2 ? 0 : word(packet, 0); }
uint16_t blockOf(std::string_view packet) { return word(packet, 2); }

std::string errorMessageOf(std::string_view packet)
{
    if (packet.size() <= 4)
        return {};
    const std::string_view text = packet.substr(4);
    return std::string(text.substr(0, text.find('\0')));
}

std::optional<Request> parseRequest(std::string_view packet, std::string* reason)
{
    const uint16_t opcode = opcodeOf(packet);
    if (opcode != RRQ && opcode != WRQ) {
        *reason = "not a request";
        return std::nullopt;
    }
    const std::string_view body = packet.substr(2);
    const size_t nameEnd = body.find('\0');
    if (nameEnd == std::string_view::npos) {
        *reason = "name without terminator";
        return std::nullopt;
    }
    const size_t modeEnd = body.find('\0', nameEnd + 1);
    if (modeEnd == std::string_view::npos) {
        *reason = "mode without terminator";
        return std::nullopt;
    }
    Request request{opcode == WRQ, std::string(body.substr(0, nameEnd)),
                    q7::asciiLower(body.substr(nameEnd + 1, modeEnd - nameEnd - 1))};
    if (request.name.empty()) {
        *reason = "empty name";
        return std::nullopt;
    }
    return request;
}

void appendNetascii(std::string_view bytes, std::string& wire)
{
    for (char c : bytes) {
        if (c == '\n')
            wire += "\r\n";
        else if (c == '\r')
            wire += std::string_view("\r\0", 2);
        else
            wire += c;
    }
}

std::string NetasciiDecoder::feed(std::string_view wire)
{
    std::string out;
    out.reserve(wire.size());
    for (char c : wire) {
        if (m_pendingCR) {
            m_pendingCR = false;
            if (c == '\n') {
                out += '\n';
                continue;
            }
            out += '\r';
            if (c == '\0')
                continue;
        }
        if (c == '\r')
            m_pendingCR = true;
        else
            out += c;
    }
    return out;
}

std::string NetasciiDecoder::finish()
{
    const bool pending = m_pendingCR;
    m_pendingCR = false;
    return pending ? "\r" : "";
}

}  // namespace q7sim
