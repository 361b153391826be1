#pragma once
// Writes the bit-coded values of a DWG drawing (AutoCAD 2000): bits come most significant
// first, raw numbers little-endian, and the short codes stand for the common values.

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

class DwgBitWriter {
 public:
  void B(bool bit);
  void BB(unsigned value);
  void RC(uint8_t value);
  void RS(uint16_t value);
  void RL(uint32_t value);
  void RD(double value);
  void BS(uint16_t value);
  void BL(uint32_t value);
  void BD(double value);
  // A double written only where it differs from `previous`.
  void DD(double value, double previous);
  void Point3(double x, double y, double z);
  void Point2(double x, double y);
  // A handle reference: its kind of reference and the handle's value, big-endian.
  void H(unsigned code, uint32_t handle);
  void TV(const std::string& text);
  // The extrusion (0, 0, 1) and the thickness 0, as one bit each.
  void DefaultExtrusion() { B(true); }
  void NoThickness() { B(true); }
  void Bytes(const std::vector<uint8_t>& bytes);
  // Writes `other` after these bits.
  void Append(const DwgBitWriter& other);
  // Overwrites the 32 bits at `position` with a raw long.
  void PatchRL(size_t position, uint32_t value);

  size_t Position() const { return bits_; }
  // The bits so far, with the last byte filled up with zeros.
  const std::vector<uint8_t>& Data() const { return data_; }

 private:
  void Bits(uint64_t value, unsigned count);

  std::vector<uint8_t> data_;
  size_t bits_ = 0;
};

// The checksum of DWG sections and objects (CRC-16 with the polynomial 0xA001).
uint16_t DwgCrc(const uint8_t* bytes, size_t size, uint16_t seed);

}  // namespace testsupport
