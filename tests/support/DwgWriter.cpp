#include "tests/support/DwgWriter.h"

#include <algorithm>
#include <limits>
#include <map>
#include <stdexcept>

#include "tests/support/DwgBitWriter.h"

namespace testsupport {

namespace {

using Bytes = std::vector<uint8_t>;

enum Type : uint16_t {
  kTextType = 1,
  kBlockType = 4,
  kEndblkType = 5,
  kInsertType = 7,
  kCircleType = 18,
  kLineType = 19,
  kDictionaryType = 42,
  kBlockControlType = 48,
  kBlockHeaderType = 49,
  kLayerControlType = 50,
  kLayerType = 51,
  kStyleControlType = 52,
  kStyleType = 53,
  kLtypeControlType = 56,
  kLtypeType = 57,
  kViewControlType = 60,
  kUcsControlType = 62,
  kVportControlType = 64,
  kAppidControlType = 66,
  kDimstyleControlType = 68,
  kVxControlType = 70,
};

// How a handle reference holds its object.
enum Code : unsigned { kSoftOwner = 2, kHardOwner = 3, kSoftPointer = 4, kHardPointer = 5 };

// The handles of the objects every drawing has; the rest are numbered from kFirstFree on.
enum Handle : uint32_t {
  kBlockControl = 0x1,
  kLayerControl = 0x2,
  kStyleControl = 0x3,
  kLtypeControl = 0x5,
  kViewControl = 0x6,
  kUcsControl = 0x7,
  kVportControl = 0x8,
  kAppidControl = 0x9,
  kDimstyleControl = 0xA,
  kVxControl = 0xB,
  kNamedObjects = 0xC,
  kLayerZero = 0x10,
  kStandardStyle = 0x11,
  kByBlock = 0x14,
  kByLayer = 0x15,
  kContinuous = 0x16,
  kModelSpace = 0x1F,
  kPaperSpace = 0x22,
  kFirstLayer = 0x30,
  kFirstFree = 0x40,
};

constexpr uint16_t kSeed = 0xC0C1;
constexpr uint16_t kByLayerColor = 256;
constexpr uint8_t kByLayerLineweight = 29;
const Bytes kHeaderBegin = {0xCF, 0x7B, 0x1F, 0x23, 0xFD, 0xDE, 0x38, 0xA9,
                            0x5F, 0x7C, 0x68, 0xB8, 0x4E, 0x6D, 0x33, 0x5F};
const Bytes kClassesBegin = {0x8D, 0xA1, 0xC4, 0xB8, 0xC4, 0xA9, 0xF8, 0xC5,
                             0xC0, 0xDC, 0xF4, 0x5F, 0xE7, 0xCF, 0xB6, 0x8A};
const Bytes kFileHeaderEnd = {0x95, 0xA0, 0x4E, 0x28, 0x99, 0x82, 0x1A, 0xE5,
                              0x5E, 0x41, 0xE0, 0x5F, 0x9D, 0x3A, 0x4D, 0x00};

// A section's closing sentinel is its opening one with every bit flipped.
Bytes Closing(const Bytes& opening) {
  Bytes closing;
  for (uint8_t byte : opening) closing.push_back(static_cast<uint8_t>(~byte));
  return closing;
}

void Append(Bytes& to, const Bytes& bytes) {
  to.insert(to.end(), bytes.begin(), bytes.end());
}

void PutLe(Bytes& to, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) to.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutCrcBe(Bytes& to, size_t from, size_t size) {
  uint16_t crc = DwgCrc(to.data() + from, size, kSeed);
  to.push_back(static_cast<uint8_t>(crc >> 8));
  to.push_back(static_cast<uint8_t>(crc));
}

// One object as it is written: its data (type, size in bits, handle, no extended data, then
// its fields), then its references to other objects.
class Record {
 public:
  Record(uint16_t type, uint32_t handle) {
    data.BS(type);
    bitsizeAt_ = data.Position();
    data.RL(0);
    data.H(0, handle);
    data.BS(0);
  }

  // Its bytes: size, data with the references from the bit the data says, checksum.
  Bytes Finish() {
    data.PatchRL(bitsizeAt_, static_cast<uint32_t>(data.Position()));
    data.Append(refs);
    Bytes bytes;
    PutLe(bytes, static_cast<uint32_t>(data.Data().size()), 2);
    Append(bytes, data.Data());
    PutLe(bytes, DwgCrc(bytes.data(), bytes.size(), kSeed), 2);
    return bytes;
  }

  DwgBitWriter data, refs;

 private:
  size_t bitsizeAt_ = 0;
};

// Where an entity sits: its block (none in the model space), its neighbours and layer.
struct Links {
  uint32_t owner = 0, previous = 0, next = 0, layer = kLayerZero;
};

Record EntityRecord(uint16_t type, uint32_t handle, const Links& links) {
  Record record(type, handle);
  record.data.B(false);  // no preview
  record.data.BB(links.owner ? 0 : 2);
  record.data.BL(0);     // no reactors
  record.data.B(false);  // its neighbours are named
  record.data.BS(kByLayerColor);
  record.data.BD(1.0);  // line type scale
  record.data.BB(0);    // line type by layer
  record.data.BB(0);    // plot style by layer
  record.data.BS(0);    // visible
  record.data.RC(kByLayerLineweight);
  if (links.owner) record.refs.H(kSoftPointer, links.owner);
  record.refs.H(kHardOwner, 0);  // no extension dictionary
  record.refs.H(kSoftPointer, links.previous);
  record.refs.H(kSoftPointer, links.next);
  record.refs.H(kHardPointer, links.layer);
  return record;
}

Record ObjectRecord(uint16_t type, uint32_t handle, uint32_t owner) {
  Record record(type, handle);
  record.data.BL(0);  // no reactors
  record.refs.H(kSoftPointer, owner);
  record.refs.H(kHardOwner, 0);
  return record;
}

// The name and flags every table entry starts with.
void EntryName(Record& record, const std::string& name) {
  record.data.TV(name);
  record.data.B(false);  // not from an external reference
  record.data.BS(0);
  record.data.B(false);
}

Bytes Control(uint16_t type, uint32_t handle, const std::vector<uint32_t>& entries,
              const std::vector<uint32_t>& owned = {}) {
  Record record = ObjectRecord(type, handle, 0);
  if (type == kBlockControlType) {
    record.data.BL(static_cast<uint32_t>(entries.size()));
  } else {
    record.data.BS(static_cast<uint16_t>(entries.size()));
  }
  if (type == kDimstyleControlType) record.data.RC(0);
  for (uint32_t entry : entries) record.refs.H(kSoftOwner, entry);
  for (uint32_t entry : owned) record.refs.H(kHardOwner, entry);
  return record.Finish();
}

void Point3(DwgBitWriter& bits, const std::array<double, 3>& point) {
  bits.Point3(point[0], point[1], point[2]);
}

void Handles(DwgBitWriter& bits, std::initializer_list<uint32_t> handles) {
  for (uint32_t handle : handles) bits.H(kHardPointer, handle);
}

// The database's header variables as AutoCAD 2000 orders them, with the usual defaults.
class HeaderVariables {
 public:
  HeaderVariables(const std::array<double, 4>& extents, uint32_t handseed)
      : extents_(extents), handseed_(handseed) {}

  Bytes Write() {
    Units();
    Modes();
    Numbers();
    Times();
    CurrentObjects();
    PaperAndModel();
    Dimensions();
    Tables();
    return bits_.Data();
  }

 private:
  void Units() {
    bits_.BD(412148564080.0);
    for (int i = 0; i < 3; ++i) bits_.BD(1.0);
    bits_.TV("m");
    for (int i = 0; i < 3; ++i) bits_.TV("");
    bits_.BL(24);
    bits_.BL(0);
    bits_.H(kHardPointer, 0);  // current view
  }

  void Modes() {
    // DIMASO to LIMCHECK, USRTIMER to SPLFRAME, MIRRTEXT and WORLDVIEW, TILEMODE to
    // VISRETAIN, DISPSILH and PELLIPSE.
    for (bool mode : {true, false, false, false, true, true, false, false, false}) bits_.B(mode);
    for (bool mode : {true, false, false, false, false, true, true, false, true, false, false}) {
      bits_.B(mode);
    }
  }

  void Numbers() {
    bits_.BS(1);     // proxy graphics
    bits_.BS(3020);  // tree depth
    for (int value : {2, 4, 0, 0, 0, 0})
      bits_.BS(static_cast<uint16_t>(value));  // units, attribute and point modes
    for (int i = 0; i < 5; ++i) bits_.BS(0);   // user integers
    for (int value : {8, 6, 6, 6, 6, 6, 6, 3, 70, 0, 64, 4, 0, 50})
      bits_.BS(static_cast<uint16_t>(value));
    for (double value : {1.0, 2.5, 0.05, 0.1, 0.0, 0.0, 0.0, 0.0, 0.0}) bits_.BD(value);
    for (int i = 0; i < 5; ++i) bits_.BD(0.0);  // user reals
    for (int i = 0; i < 4; ++i) bits_.BD(0.0);  // chamfers
    for (double value : {0.5, 1.0, 1.0}) bits_.BD(value);
    bits_.TV("acad");
  }

  void Times() {
    for (int i = 0; i < 2; ++i) {  // created, updated: a day in 2026
      bits_.BL(2461000);
      bits_.BL(0);
    }
    for (int i = 0; i < 2; ++i) {  // time in the drawing, user timer
      bits_.BL(0);
      bits_.BL(0);
    }
  }

  void CurrentObjects() {
    bits_.BS(kByLayerColor);
    bits_.H(0, handseed_);
    Handles(bits_, {kLayerZero, kStandardStyle, kByLayer, 0, 0});
    bits_.BD(0.0);  // viewport scale
  }

  void Space(const std::array<double, 4>& box) {
    Point3(bits_, {0, 0, 0});
    Point3(bits_, {box[0], box[1], 0});
    Point3(bits_, {box[2], box[3], 0});
    bits_.Point2(0, 0);
    bits_.Point2(420, 297);
    bits_.BD(0.0);
    Point3(bits_, {0, 0, 0});
    Point3(bits_, {1, 0, 0});
    Point3(bits_, {0, 1, 0});
    bits_.H(kHardPointer, 0);
    bits_.H(kHardPointer, 0);
    bits_.BS(0);
    bits_.H(kHardPointer, 0);
    for (int i = 0; i < 6; ++i) Point3(bits_, {0, 0, 0});
  }

  void PaperAndModel() {
    Space({0, 0, 0, 0});
    Space(extents_);
    bits_.TV("");  // dimension texts
    bits_.TV("");
  }

  void Dimensions() {
    for (double value : {1.0, 0.18, 0.0625, 0.38, 0.18, 0.0, 0.0, 0.0, 0.0}) bits_.BD(value);
    for (int i = 0; i < 6; ++i) bits_.B(i == 3);
    for (int value : {0, 0, 0}) bits_.BS(static_cast<uint16_t>(value));
    for (double value : {0.18, 0.09, 0.0, 25.4, 1.0, 0.0, 1.0, 0.09}) bits_.BD(value);
    bits_.BD(0.0);
    bits_.B(false);
    bits_.BS(2);
    for (int i = 0; i < 4; ++i) bits_.B(false);
    for (int i = 0; i < 3; ++i) bits_.BS(0);  // colours by block
    for (int value : {0, 4, 4, 2, 2, 0, 0, 2, 46, 0, 0}) bits_.BS(static_cast<uint16_t>(value));
    bits_.B(false);
    bits_.B(false);
    for (int value : {1, 0, 0, 0}) bits_.BS(static_cast<uint16_t>(value));
    bits_.B(false);
    bits_.BS(3);
    Handles(bits_, {kStandardStyle, 0, 0, 0, 0});
    bits_.BS(static_cast<uint16_t>(-2));  // line weights by block
    bits_.BS(static_cast<uint16_t>(-2));
  }

  void Tables() {
    for (uint32_t control : {kBlockControl, kLayerControl, kStyleControl, kLtypeControl,
                             kViewControl, kUcsControl, kVportControl}) {
      bits_.H(kHardOwner, control);
    }
    bits_.H(kHardPointer, kAppidControl);
    bits_.H(kHardOwner, kDimstyleControl);
    bits_.H(kHardOwner, kVxControl);
    Handles(bits_, {0, 0, kNamedObjects});
    bits_.BS(1);  // stacked text
    bits_.BS(70);
    bits_.TV("");
    bits_.TV("");
    Handles(bits_, {0, 0, 0});
    bits_.BL(kByLayerLineweight);
    bits_.BS(4);  // millimetres
    bits_.BS(0);
    bits_.TV("");
    bits_.TV("");
    Handles(bits_, {kPaperSpace, kModelSpace, kByLayer, kByBlock, kContinuous});
    for (int i = 0; i < 4; ++i) bits_.BS(0);
  }

  std::array<double, 4> extents_;
  uint32_t handseed_;
  DwgBitWriter bits_;
};

}  // namespace

DwgWriter::DwgWriter() {
  layers_.push_back({"0", 7, Shown::kOn});
}

void DwgWriter::Layer(const std::string& name, int color, Shown shown) {
  layers_.push_back({name, color, shown});
}

void DwgWriter::Line(const std::string& layer, const Segment& segment) {
  entities_.push_back({Entity::kLine, layer, segment, ""});
}

void DwgWriter::Circle(const std::string& layer, double x, double y, double radius) {
  entities_.push_back({Entity::kCircle, layer, {x, y, radius, 0}, ""});
}

void DwgWriter::Text(const std::string& layer, double x, double y, double height,
                     const std::string& text) {
  entities_.push_back({Entity::kText, layer, {x, y, height, 0}, text});
}

void DwgWriter::Block(const std::string& name, const std::vector<Segment>& lines) {
  blocks_.push_back({name, lines});
}

void DwgWriter::Insert(const std::string& layer, const std::string& block, double x, double y,
                       double scale) {
  entities_.push_back({Entity::kInsert, layer, {x, y, scale, 0}, block});
}

std::array<double, 4> DwgWriter::Extents() const {
  constexpr double kHuge = std::numeric_limits<double>::max();
  std::array<double, 4> box = {kHuge, kHuge, -kHuge, -kHuge};
  auto take = [&box](double x, double y) {
    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
  };
  for (const Entity& entity : entities_) {
    const auto& n = entity.numbers;
    if (entity.kind == Entity::kLine) {
      take(n[0], n[1]);
      take(n[2], n[3]);
    } else if (entity.kind == Entity::kCircle) {
      take(n[0] - n[2], n[1] - n[2]);
      take(n[0] + n[2], n[1] + n[2]);
    } else if (entity.kind == Entity::kText) {
      take(n[0], n[1]);
      take(n[0] + n[2] * static_cast<double>(entity.text.size()), n[1] + n[2]);
    } else {
      for (const BlockEntry& block : blocks_) {
        if (block.name != entity.text) continue;
        for (const Segment& s : block.lines) {
          take(n[0] + s[0] * n[2], n[1] + s[1] * n[2]);
          take(n[0] + s[2] * n[2], n[1] + s[3] * n[2]);
        }
      }
    }
  }
  if (entities_.empty()) box = {0, 0, 0, 0};
  return box;
}

namespace {

// The objects of a drawing by handle, as the writer makes them.
struct LayerSpec {
  std::string name;
  int color;
  DwgWriter::Shown shown;
};

class Database {
 public:
  uint32_t New() { return next_++; }
  uint32_t Next() const { return next_; }
  void Put(uint32_t handle, Bytes bytes) { objects_[handle] = std::move(bytes); }
  const std::map<uint32_t, Bytes>& Objects() const { return objects_; }

  // A block record with its BLOCK and ENDBLK, owning `entities` (in that order).
  void BlockRecord(uint32_t handle, const std::string& name,
                   const std::vector<uint32_t>& entities) {
    uint32_t begin = New(), end = New();
    Record record = ObjectRecord(kBlockHeaderType, handle, kBlockControl);
    EntryName(record, name);
    for (int i = 0; i < 5; ++i) record.data.B(i == 4);  // not anonymous nor a reference; loaded
    Point3(record.data, {0, 0, 0});
    record.data.TV("");
    record.data.RC(0);  // no inserts listed
    record.data.TV("");
    record.data.BL(0);  // no preview
    record.refs.H(kHardPointer, 0);
    record.refs.H(kHardOwner, begin);
    record.refs.H(kSoftPointer, entities.empty() ? 0 : entities.front());
    record.refs.H(kSoftPointer, entities.empty() ? 0 : entities.back());
    record.refs.H(kHardOwner, end);
    record.refs.H(kHardPointer, 0);  // no layout
    Put(handle, record.Finish());
    Record block = EntityRecord(kBlockType, begin, {handle, 0, 0, kLayerZero});
    block.data.TV(name);
    Put(begin, block.Finish());
    Put(end, EntityRecord(kEndblkType, end, {handle, 0, 0, kLayerZero}).Finish());
  }

  void Tables(const std::vector<LayerSpec>& layers, const std::vector<uint32_t>& blocks) {
    std::vector<uint32_t> layerHandles;
    for (size_t i = 0; i < layers.size(); ++i) {
      uint32_t handle = i == 0 ? kLayerZero : kFirstLayer + static_cast<uint32_t>(i) - 1;
      layerHandles.push_back(handle);
      Record record = ObjectRecord(kLayerType, handle, kLayerControl);
      EntryName(record, layers[i].name);
      // Plotted, default line weight, and frozen (1) or off (2) where it is.
      uint16_t hidden = layers[i].shown == DwgWriter::Shown::kFrozen ? 1
                        : layers[i].shown == DwgWriter::Shown::kOff  ? 2
                                                                     : 0;
      record.data.BS(static_cast<uint16_t>(0x8000 | 0x3E0 | hidden));
      record.data.BS(static_cast<uint16_t>(layers[i].color));
      Handles(record.refs, {0, 0, kContinuous});
      Put(handle, record.Finish());
    }
    Put(kLayerControl, Control(kLayerControlType, kLayerControl, layerHandles));
    Put(kBlockControl,
        Control(kBlockControlType, kBlockControl, blocks, {kModelSpace, kPaperSpace}));
    Styles();
    Linetypes();
    for (auto [type, handle] : {std::pair{kViewControlType, kViewControl},
                                {kUcsControlType, kUcsControl},
                                {kVportControlType, kVportControl},
                                {kAppidControlType, kAppidControl},
                                {kDimstyleControlType, kDimstyleControl},
                                {kVxControlType, kVxControl}}) {
      Put(handle, Control(type, handle, {}));
    }
    Record named = ObjectRecord(kDictionaryType, kNamedObjects, 0);
    named.data.BL(0);
    named.data.BS(1);
    named.data.RC(0);
    Put(kNamedObjects, named.Finish());
  }

 private:
  void Styles() {
    Record record = ObjectRecord(kStyleType, kStandardStyle, kStyleControl);
    EntryName(record, "STANDARD");
    record.data.B(false);
    record.data.B(false);
    for (double value : {0.0, 1.0, 0.0}) record.data.BD(value);
    record.data.RC(0);
    record.data.BD(2.5);
    record.data.TV("txt");
    record.data.TV("");
    record.refs.H(kHardPointer, 0);
    Put(kStandardStyle, record.Finish());
    Put(kStyleControl, Control(kStyleControlType, kStyleControl, {kStandardStyle}));
  }

  void Linetypes() {
    for (auto [handle, name] :
         {std::pair{kByBlock, "ByBlock"}, {kByLayer, "ByLayer"}, {kContinuous, "Continuous"}}) {
      Record record = ObjectRecord(kLtypeType, handle, kLtypeControl);
      EntryName(record, name);
      record.data.TV(handle == kContinuous ? "Solid line" : "");
      record.data.BD(0.0);
      record.data.RC('A');
      record.data.RC(0);  // no dashes
      record.data.Bytes(Bytes(256, 0));
      record.refs.H(kHardPointer, 0);
      Put(handle, record.Finish());
    }
    Put(kLtypeControl,
        Control(kLtypeControlType, kLtypeControl, {kContinuous}, {kByBlock, kByLayer}));
  }

  uint32_t next_ = kFirstFree;
  std::map<uint32_t, Bytes> objects_;
};

Bytes LineBytes(uint32_t handle, const Links& links, const DwgWriter::Segment& segment) {
  Record record = EntityRecord(kLineType, handle, links);
  record.data.B(true);  // flat
  record.data.RD(segment[0]);
  record.data.DD(segment[2], segment[0]);
  record.data.RD(segment[1]);
  record.data.DD(segment[3], segment[1]);
  record.data.NoThickness();
  record.data.DefaultExtrusion();
  return record.Finish();
}

Bytes CircleBytes(uint32_t handle, const Links& links, const std::array<double, 4>& numbers) {
  Record record = EntityRecord(kCircleType, handle, links);
  Point3(record.data, {numbers[0], numbers[1], 0});
  record.data.BD(numbers[2]);
  record.data.NoThickness();
  record.data.DefaultExtrusion();
  return record.Finish();
}

Bytes TextBytes(uint32_t handle, const Links& links, const std::array<double, 4>& numbers,
                const std::string& text) {
  Record record = EntityRecord(kTextType, handle, links);
  // Of the optional fields only the width factor is there; the rest take their defaults.
  record.data.RC(0xEF);
  record.data.Point2(numbers[0], numbers[1]);
  record.data.DefaultExtrusion();
  record.data.NoThickness();
  record.data.RD(numbers[2]);
  record.data.RD(1.0);
  record.data.TV(text);
  record.refs.H(kHardPointer, kStandardStyle);
  return record.Finish();
}

Bytes InsertBytes(uint32_t handle, const Links& links, const std::array<double, 4>& numbers,
                  uint32_t block) {
  Record record = EntityRecord(kInsertType, handle, links);
  Point3(record.data, {numbers[0], numbers[1], 0});
  if (numbers[2] == 1.0) {
    record.data.BB(3);
  } else {
    record.data.BB(2);
    record.data.RD(numbers[2]);
  }
  record.data.BD(0.0);  // rotation
  Point3(record.data, {0, 0, 1});
  record.data.B(false);  // no attributes
  record.refs.H(kHardPointer, block);
  return record.Finish();
}

// Handle and address offsets of the object map: unsigned, or signed with the sign in the
// last byte.
void PutModular(Bytes& to, int64_t value, bool isSigned) {
  uint64_t magnitude = static_cast<uint64_t>(value < 0 ? -value : value);
  uint64_t lastLimit = isSigned ? 0x40 : 0x80;
  while (magnitude >= lastLimit) {
    to.push_back(static_cast<uint8_t>(0x80 | (magnitude & 0x7F)));
    magnitude >>= 7;
  }
  to.push_back(static_cast<uint8_t>(magnitude | (value < 0 ? 0x40 : 0)));
}

// The object map: pages of handle and address offsets, each with its big-endian size and
// checksum, ending with an empty page.
Bytes ObjectMap(const std::map<uint32_t, size_t>& addresses) {
  Bytes map;
  size_t page = 0;
  int64_t lastHandle = 0, lastAddress = 0;
  auto open = [&] {
    page = map.size();
    map.insert(map.end(), {0, 0});
    lastHandle = lastAddress = 0;
  };
  auto close = [&] {
    size_t size = map.size() - page;
    map[page] = static_cast<uint8_t>(size >> 8);
    map[page + 1] = static_cast<uint8_t>(size);
    PutCrcBe(map, page, size);
  };
  open();
  for (auto [handle, address] : addresses) {
    if (map.size() - page > 2000) {
      close();
      open();
    }
    PutModular(map, static_cast<int64_t>(handle) - lastHandle, false);
    PutModular(map, static_cast<int64_t>(address) - lastAddress, true);
    lastHandle = handle;
    lastAddress = static_cast<int64_t>(address);
  }
  close();
  open();
  close();
  return map;
}

Bytes Section(const Bytes& opening, const Bytes& content) {
  Bytes section = opening;
  size_t from = section.size();
  PutLe(section, static_cast<uint32_t>(content.size()), 4);
  Append(section, content);
  PutLe(section, DwgCrc(section.data() + from, section.size() - from, kSeed), 2);
  Append(section, Closing(opening));
  return section;
}

// The file: its header with the places of the header variables, classes and object map,
// then those, with the objects between the classes and the map.
std::string Assemble(const Database& database, const Bytes& variables) {
  constexpr size_t kSections = 3;
  constexpr size_t kHeaderSize = 0x19 + kSections * 9 + 2 + 16;
  Bytes header = Section(kHeaderBegin, variables);
  Bytes classes = Section(kClassesBegin, {});
  Bytes objects;
  std::map<uint32_t, size_t> addresses;
  size_t objectsAt = kHeaderSize + header.size() + classes.size();
  for (const auto& [handle, bytes] : database.Objects()) {
    addresses[handle] = objectsAt + objects.size();
    Append(objects, bytes);
  }
  Bytes map = ObjectMap(addresses);
  std::string version = "AC1015";
  Bytes file(version.begin(), version.end());
  file.insert(file.end(), {0, 0, 0, 0, 0, 0, 1});
  PutLe(file, 0, 4);                   // no preview
  file.insert(file.end(), {0x17, 0});  // saved by AutoCAD 2000
  PutLe(file, 30, 2);                  // ANSI_1252
  PutLe(file, kSections, 4);
  std::array<std::pair<size_t, size_t>, kSections> places = {
      std::pair{kHeaderSize, header.size()},
      {kHeaderSize + header.size(), classes.size()},
      {objectsAt + objects.size(), map.size()}};
  for (size_t i = 0; i < kSections; ++i) {
    file.push_back(static_cast<uint8_t>(i));
    PutLe(file, static_cast<uint32_t>(places[i].first), 4);
    PutLe(file, static_cast<uint32_t>(places[i].second), 4);
  }
  PutLe(file, DwgCrc(file.data(), file.size(), kSeed), 2);
  Append(file, kFileHeaderEnd);
  for (const Bytes* part : {&header, &classes, &objects, &map}) Append(file, *part);
  return std::string(file.begin(), file.end());
}

}  // namespace

std::string DwgWriter::Bytes() const {
  Database database;
  std::map<std::string, uint32_t> layerHandles;
  std::vector<LayerSpec> layers;
  for (size_t i = 0; i < layers_.size(); ++i) {
    layerHandles[layers_[i].name] = i == 0 ? kLayerZero : kFirstLayer + uint32_t(i) - 1;
    layers.push_back({layers_[i].name, layers_[i].color, layers_[i].shown});
  }
  auto layerOf = [&layerHandles](const std::string& name) {
    auto found = layerHandles.find(name);
    if (found == layerHandles.end()) throw std::invalid_argument("no layer \"" + name + "\"");
    return found->second;
  };
  std::map<std::string, uint32_t> blockHandles;
  std::vector<uint32_t> records;
  for (const BlockEntry& block : blocks_) {
    uint32_t record = database.New();
    blockHandles[block.name] = record;
    records.push_back(record);
    std::vector<uint32_t> lines;
    for (size_t i = 0; i < block.lines.size(); ++i) lines.push_back(database.New());
    for (size_t i = 0; i < lines.size(); ++i) {
      Links links{record, i ? lines[i - 1] : 0, i + 1 < lines.size() ? lines[i + 1] : 0};
      database.Put(lines[i], LineBytes(lines[i], links, block.lines[i]));
    }
    database.BlockRecord(record, block.name, lines);
  }
  std::vector<uint32_t> handles;
  for (size_t i = 0; i < entities_.size(); ++i) handles.push_back(database.New());
  for (size_t i = 0; i < entities_.size(); ++i) {
    const Entity& entity = entities_[i];
    Links links{0, i ? handles[i - 1] : 0, i + 1 < handles.size() ? handles[i + 1] : 0,
                layerOf(entity.layer)};
    if (entity.kind == Entity::kLine) {
      database.Put(handles[i], LineBytes(handles[i], links, entity.numbers));
    } else if (entity.kind == Entity::kCircle) {
      database.Put(handles[i], CircleBytes(handles[i], links, entity.numbers));
    } else if (entity.kind == Entity::kText) {
      database.Put(handles[i], TextBytes(handles[i], links, entity.numbers, entity.text));
    } else {
      auto block = blockHandles.find(entity.text);
      if (block == blockHandles.end())
        throw std::invalid_argument("no block \"" + entity.text + "\"");
      database.Put(handles[i], InsertBytes(handles[i], links, entity.numbers, block->second));
    }
  }
  database.BlockRecord(kModelSpace, "*Model_Space", handles);
  database.BlockRecord(kPaperSpace, "*Paper_Space", {});
  database.Tables(layers, records);
  return Assemble(database, HeaderVariables(Extents(), database.Next()).Write());
}

}  // namespace testsupport
