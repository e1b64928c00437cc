#include "sim/hart_slave.h"

#include <bit>
#include <cstring>

#include "link/register_map.h"

namespace tavro::sim {
namespace {

constexpr uint8_t kUnitMillimetres = 49;
constexpr uint8_t kUnitCelsius = 32;
constexpr uint8_t kUnitNone = 251;
constexpr uint8_t kClassLength = 69;
constexpr uint8_t kClassTemperature = 64;

struct Request {
  bool longAddress;
  std::span<const uint8_t> address;
  uint8_t command;
  std::span<const uint8_t> data;
};

class Data {
 public:
  void Byte(uint8_t b) { bytes.push_back(b); }
  void Bytes(std::span<const uint8_t> b) { bytes.insert(bytes.end(), b.begin(), b.end()); }
  void Float(float value) {  // most significant byte first
    const uint32_t bits = std::bit_cast<uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8_t>(bits >> shift));
  }
  void U24(uint32_t value) {
    for (int shift = 16; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
  }
  void Le16(uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
  }
  std::vector<uint8_t> bytes;
};

uint32_t U24At(std::span<const uint8_t> data, size_t at) {
  return uint32_t{data[at]} << 16 | uint32_t{data[at + 1]} << 8 | data[at + 2];
}

std::optional<Request> Parse(std::span<const uint8_t> frame) {
  size_t i = 0;
  while (i < frame.size() && frame[i] == 0xFF) ++i;
  if (i >= frame.size()) return std::nullopt;
  Request request;
  request.longAddress = (frame[i] & 0x80) != 0;
  const size_t addressLength = request.longAddress ? 5 : 1;
  request.address = frame.subspan(i + 1, addressLength);
  request.command = frame[i + 1 + addressLength];
  const uint8_t count = frame[i + 2 + addressLength];
  request.data = frame.subspan(i + 3 + addressLength, count);
  return request;
}

bool ForUs(const Request& request, const HartIdentity& identity, const HartRecords& records) {
  if (!request.longAddress) return (request.address[0] & 0x3F) == records.pollingAddress;
  return (request.address[0] & 0x3F) == ((identity.expandedDeviceType >> 8) & 0x3F) &&
         request.address[1] == (identity.expandedDeviceType & 0xFF) &&
         U24At(request.address, 2) == (identity.deviceId & 0xFFFFFF);
}

class Responder {
 public:
  Responder(Transmitter& transmitter, const Request& request)
      : t_(transmitter), request_(request), records_(transmitter.Records()) {}

  // Fills `data`; returns the response code.
  uint8_t Answer(Data& data) {
    const auto in = request_.data;
    switch (request_.command) {
      case 0: data.Bytes(IdentityBytes(t_.Identity())); return 0;
      case 1: {
        const RegisterImage r = t_.Registers();
        data.Byte(kUnitMillimetres);
        data.Float(r.distance[0]);
        return 0;
      }
      case 2: {
        const RegisterImage r = t_.Registers();
        const float current = r.outputCurrent[0];
        data.Float(current);
        data.Float((current - 4.0f) / 16.0f * 100.0f);
        return 0;
      }
      case 3: {
        const RegisterImage r = t_.Registers();
        const float distance = r.distance[0];
        const float probe = r.probeLength;
        data.Float(r.outputCurrent[0]);
        data.Byte(kUnitMillimetres);
        data.Float(distance);
        data.Byte(kUnitMillimetres);
        data.Float(probe - distance);
        data.Byte(kUnitCelsius);
        data.Float(r.temperature);
        data.Byte(kUnitNone);
        data.Float(r.peak1Count[0]);
        return 0;
      }
      case 6:
        if (in.empty()) return kHartTooFewDataBytes;
        records_.pollingAddress = in[0] & 0x3F;
        if (in.size() >= 2) records_.loopCurrentMode = in[1];
        t_.SetRecords(records_);
        data.Byte(records_.pollingAddress);
        data.Byte(records_.loopCurrentMode);
        return 0;
      case 7:
        data.Byte(records_.pollingAddress);
        data.Byte(records_.loopCurrentMode);
        return 0;
      case 8:
        for (uint8_t code : {kClassLength, kClassLength, kClassTemperature, uint8_t{0}}) data.Byte(code);
        return 0;
      case 12: data.Bytes(records_.message); return 0;
      case 13:
        data.Bytes(records_.tag);
        data.Bytes(records_.descriptor);
        data.Byte(records_.day);
        data.Byte(records_.month);
        data.Byte(records_.yearSince1900);
        return 0;
      case 14: {
        const RegisterImage r = t_.Registers();
        data.U24(records_.transducerSerial);
        data.Byte(kUnitMillimetres);
        data.Float(r.probeLength);
        data.Float(0.0f);
        data.Float(100.0f);
        return 0;
      }
      case 15: {
        const RegisterImage r = t_.Registers();
        data.Byte(0);  // alarm selection: high
        data.Byte(0);  // transfer function: linear
        data.Byte(kUnitMillimetres);
        data.Float(r.maxLevel);  // upper range value: 20 mA
        data.Float(r.minLevel);  // lower range value: 4 mA
        data.Float(r.dynamicFilter);
        data.Byte(0);    // not write protected
        data.Byte(250);  // private label distributor: none
        data.Byte(0);    // analog channel flags
        return 0;
      }
      case 16: data.U24(records_.finalAssemblyNumber); return 0;
      case 17:
        if (in.size() < records_.message.size()) return kHartTooFewDataBytes;
        std::memcpy(records_.message.data(), in.data(), records_.message.size());
        t_.SetRecords(records_);
        data.Bytes(in.first(records_.message.size()));
        return 0;
      case 18:
        if (in.size() < 21) return kHartTooFewDataBytes;
        std::memcpy(records_.tag.data(), in.data(), 6);
        std::memcpy(records_.descriptor.data(), in.data() + 6, 12);
        records_.day = in[18];
        records_.month = in[19];
        records_.yearSince1900 = in[20];
        t_.SetRecords(records_);
        data.Bytes(in.first(21));
        return 0;
      case 19:
        if (in.size() < 3) return kHartTooFewDataBytes;
        records_.finalAssemblyNumber = U24At(in, 0);
        t_.SetRecords(records_);
        data.Bytes(in.first(3));
        return 0;
      case 20: data.Bytes(records_.longTag); return 0;
      case 22:
        if (in.size() < records_.longTag.size()) return kHartTooFewDataBytes;
        std::memcpy(records_.longTag.data(), in.data(), records_.longTag.size());
        t_.SetRecords(records_);
        data.Bytes(records_.longTag);
        return 0;
      case 128: return ReadWords(data);
      case 129: return WriteWords(data);
      default: return kHartNotImplemented;
    }
  }

 private:
  uint8_t ReadWords(Data& data) {
    const auto in = request_.data;
    if (in.size() < 4) return kHartTooFewDataBytes;
    const uint16_t address = static_cast<uint16_t>(in[0] << 8 | in[1]);
    const uint16_t count = static_cast<uint16_t>(in[2] << 8 | in[3]);
    if (count < 1 || count > 125) return kHartInvalidSelection;
    std::vector<uint16_t> words(count);
    if (t_.ReadRegisters(address, count, words.data()) != 0) return kHartInvalidSelection;
    data.Le16(address);
    for (uint16_t w : words) data.Le16(w);
    return 0;
  }

  uint8_t WriteWords(Data& data) {
    const auto in = request_.data;
    if (in.size() < 4) return kHartTooFewDataBytes;
    const uint16_t address = static_cast<uint16_t>(in[0] << 8 | in[1]);
    const uint16_t count = static_cast<uint16_t>(in[2] << 8 | in[3]);
    if (count < 1 || in.size() < 4u + 2u * count) return kHartTooFewDataBytes;
    std::vector<uint16_t> words(count);
    for (uint16_t i = 0; i < count; ++i) {
      words[i] = static_cast<uint16_t>(in[4 + 2 * i] << 8 | in[5 + 2 * i]);
    }
    if (t_.WriteRegisters(address, count, words.data()) != 0) return kHartInvalidSelection;
    data.Le16(address);
    data.Le16(count);
    return 0;
  }

  Transmitter& t_;
  const Request& request_;
  HartRecords records_;
};

}  // namespace

uint8_t HartChecksum(std::span<const uint8_t> bytes) {
  uint8_t sum = 0;
  for (uint8_t b : bytes) sum ^= b;
  return sum;
}

FrameScan ScanHartRequest(std::span<const uint8_t> pending) {
  size_t i = 0;
  while (i < pending.size() && pending[i] == 0xFF) ++i;
  if (i == pending.size()) return FrameScan::NeedMore();
  const uint8_t delimiter = pending[i];
  if (delimiter != 0x02 && delimiter != 0x82) return FrameScan::Skip(i + 1);
  const size_t addressLength = delimiter & 0x80 ? 5 : 1;
  const size_t header = i + 1 + addressLength + 2;  // delimiter, address, command, count
  if (pending.size() < header) return FrameScan::NeedMore();
  const size_t total = header + pending[header - 1] + 1;
  if (pending.size() < total) return FrameScan::NeedMore();
  const auto body = pending.subspan(i, total - 1 - i);
  return HartChecksum(body) == pending[total - 1] ? FrameScan::Frame(total) : FrameScan::Skip(i + 1);
}

std::optional<std::vector<uint8_t>> AnswerHartRequest(std::span<const uint8_t> frame,
                                                      Transmitter& transmitter,
                                                      bool exceptionFault) {
  const std::optional<Request> request = Parse(frame);
  if (!request) return std::nullopt;
  const HartIdentity identity = transmitter.Identity();
  if (!ForUs(*request, identity, transmitter.Records())) return std::nullopt;

  Data data;
  uint8_t code = kHartDeviceSpecificError;
  if (!exceptionFault) code = Responder(transmitter, *request).Answer(data);
  if (code != 0) data.bytes.clear();

  // Preambles may have changed with a command 6 or a new identity: the
  // reply goes out with the ones in force now.
  const HartIdentity now = transmitter.Identity();
  std::vector<uint8_t> reply(now.responsePreambles, 0xFF);
  const size_t start = reply.size();
  reply.push_back(request->longAddress ? 0x86 : 0x06);
  std::vector<uint8_t> address(request->address.begin(), request->address.end());
  address[0] &= static_cast<uint8_t>(~0x40);  // not in burst mode
  reply.insert(reply.end(), address.begin(), address.end());
  reply.push_back(request->command);
  reply.push_back(static_cast<uint8_t>(2 + data.bytes.size()));
  reply.push_back(code);
  reply.push_back(0);  // field device status
  reply.insert(reply.end(), data.bytes.begin(), data.bytes.end());
  reply.push_back(HartChecksum(std::span(reply).subspan(start)));
  return reply;
}

}  // namespace tavro::sim
