#include "PeFile.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "ByteRead.h"

namespace {

class Image {
 public:
  explicit Image(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    bytes_.assign(std::istreambuf_iterator<char>(in), {});
  }

  template <typename T>
  T At(std::size_t offset) const {
    return ReadAt<T>(bytes_, offset);
  }

  std::size_t Size() const { return bytes_.size(); }

  std::string TextAt(std::size_t offset) const {
    std::string text;
    while (offset < bytes_.size() && bytes_[offset]) text += bytes_[offset++];
    if (offset >= bytes_.size()) throw std::runtime_error("unterminated text");
    return text;
  }

  std::vector<char> BytesAt(std::size_t offset, std::size_t size) const {
    if (offset + size > bytes_.size()) throw std::runtime_error("truncated image");
    return {bytes_.begin() + offset, bytes_.begin() + offset + size};
  }

 private:
  std::vector<char> bytes_;
};

struct Section {
  std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

class PeReader {
 public:
  explicit PeReader(const std::string& path) : image_(path) {
    if (image_.At<std::uint16_t>(0) != 0x5A4D) throw std::runtime_error("no MZ header");
    const std::uint32_t pe = image_.At<std::uint32_t>(0x3C);
    if (image_.At<std::uint32_t>(pe) != 0x00004550) throw std::runtime_error("no PE signature");
    facts_.machine = image_.At<std::uint16_t>(pe + 4);
    const std::uint16_t sections = image_.At<std::uint16_t>(pe + 6);
    const std::uint16_t optionalSize = image_.At<std::uint16_t>(pe + 20);
    facts_.isDll = (image_.At<std::uint16_t>(pe + 22) & 0x2000) != 0;
    const std::size_t optional = pe + 24;
    const bool pe32plus = image_.At<std::uint16_t>(optional) == 0x20B;
    dataDirectories_ = optional + (pe32plus ? 112 : 96);
    thunkSize_ = pe32plus ? 8 : 4;
    facts_.fileSize = image_.Size();
    for (std::size_t i = 0, at = optional + optionalSize; i < sections; ++i, at += 40)
      sections_.push_back({image_.At<std::uint32_t>(at + 12), image_.At<std::uint32_t>(at + 8),
                           image_.At<std::uint32_t>(at + 20), image_.At<std::uint32_t>(at + 16)});
    ReadExports();
    ReadImports();
    ReadVersionResource();
  }

  const PeFacts& Facts() const { return facts_; }

 private:
  std::size_t FileOffset(std::uint32_t rva) const {
    for (const Section& s : sections_)
      if (rva >= s.virtualAddress && rva < s.virtualAddress + std::max(s.virtualSize, s.rawSize))
        return rva - s.virtualAddress + s.rawOffset;
    throw std::runtime_error("address outside every section");
  }

  std::uint32_t DirectoryRva(int index) const { return image_.At<std::uint32_t>(dataDirectories_ + 8 * index); }

  void ReadExports() {
    const std::uint32_t rva = DirectoryRva(0);
    if (!rva) return;
    const std::size_t dir = FileOffset(rva);
    facts_.exportModuleName = image_.TextAt(FileOffset(image_.At<std::uint32_t>(dir + 12)));
    const std::uint32_t count = image_.At<std::uint32_t>(dir + 24);
    const std::size_t names = FileOffset(image_.At<std::uint32_t>(dir + 32));
    for (std::uint32_t i = 0; i < count; ++i)
      facts_.exportNames.push_back(image_.TextAt(FileOffset(image_.At<std::uint32_t>(names + 4 * i))));
  }

  void ReadImports() {
    const std::uint32_t rva = DirectoryRva(1);
    if (!rva) return;
    for (std::size_t at = FileOffset(rva);; at += 20) {
      const std::uint32_t name = image_.At<std::uint32_t>(at + 12);
      if (!name) break;
      facts_.importedDlls.push_back(image_.TextAt(FileOffset(name)));
      // The lookup table, or the address table when a linker left the lookup table out.
      const std::uint32_t lookup = image_.At<std::uint32_t>(at);
      ReadImportedFunctions(lookup ? lookup : image_.At<std::uint32_t>(at + 16));
    }
  }

  void ReadImportedFunctions(std::uint32_t tableRva) {
    for (std::size_t at = FileOffset(tableRva);; at += thunkSize_) {
      const std::uint64_t entry =
          thunkSize_ == 8 ? image_.At<std::uint64_t>(at) : image_.At<std::uint32_t>(at);
      if (!entry) break;
      const std::uint64_t byOrdinal = thunkSize_ == 8 ? 1ULL << 63 : 1ULL << 31;
      if (entry & byOrdinal)
        facts_.importedFunctions.push_back("#" + std::to_string(entry & 0xFFFF));
      else  // a hint of two bytes, then the name
        facts_.importedFunctions.push_back(image_.TextAt(FileOffset(static_cast<std::uint32_t>(entry)) + 2));
    }
  }

  // The offset, from the resource root, that the resource directory at `directory` gives
  // for `id` (for its first entry when `id` is 0); 0 when there is none.
  std::uint32_t ResourceEntry(std::size_t root, std::uint32_t directory, std::uint32_t id) const {
    const std::size_t at = root + (directory & 0x7FFFFFFF);
    const unsigned count = image_.At<std::uint16_t>(at + 12) + image_.At<std::uint16_t>(at + 14);
    for (unsigned i = 0; i < count; ++i) {
      const std::size_t entry = at + 16 + 8 * i;
      if (id == 0 || image_.At<std::uint32_t>(entry) == id) return image_.At<std::uint32_t>(entry + 4);
    }
    return 0;
  }

  // Type RT_VERSION, then its first name, then its first language.
  void ReadVersionResource() {
    constexpr std::uint32_t RtVersion = 16;
    const std::uint32_t rva = DirectoryRva(2);
    if (!rva) return;
    const std::size_t root = FileOffset(rva);
    std::uint32_t entry = ResourceEntry(root, 0, RtVersion);
    if (entry) entry = ResourceEntry(root, entry, 0);
    if (entry) entry = ResourceEntry(root, entry, 0);
    if (!entry) return;
    const std::size_t data = root + entry;
    facts_.versionResource =
        image_.BytesAt(FileOffset(image_.At<std::uint32_t>(data)), image_.At<std::uint32_t>(data + 4));
  }

  Image image_;
  PeFacts facts_;
  std::size_t dataDirectories_ = 0;
  std::size_t thunkSize_ = 4;
  std::vector<Section> sections_;
};

}  // namespace

PeFacts ReadPeFacts(const std::string& path) { return PeReader(path).Facts(); }
