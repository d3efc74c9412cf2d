#pragma once
// Reading RIFF files: find the "WAVE" form, find one chunk in it, read the chunk's bytes.
// Every failure is an EGameError whose message names the file.

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

// A four-character chunk code as stored in the file ("RIFF", "fmt ").
using TFourCC = uint32_t;
TFourCC MakeFourCC(const char (&code)[5]);

// Where a chunk was found: its id, data size, form type (for "RIFF" chunks), the file offset
// of its first data byte (after the 8-byte header) and flags (unused, kept for the record).
struct TMMCKInfo {
  TFourCC ckid = 0;
  uint32_t cksize = 0;
  TFourCC fccType = 0;
  uint32_t dwDataOffset = 0;
  uint32_t dwFlags = 0;
};

class TWavParser {
 public:
  TWavParser() = default;
  ~TWavParser() { Open(""); }
  TWavParser(const TWavParser&) = delete;
  TWavParser& operator=(const TWavParser&) = delete;

  // Closes any open file; then, unless fileName is empty, opens it for reading
  // ("Open Error [%s]").
  void Open(const std::string& fileName);
  // "Validate IO handle error: Out of File [%s]" when no file is open.
  void CheckOpen() const;
  // Absolute seek; "Seed Source error. [%s]" when it cannot be done.
  void Seek(int64_t offset);
  // The "RIFF" chunk of this form type, searched from the start of the file.
  TMMCKInfo DescendForm(TFourCC formType);
  // The first sub-chunk with this id inside form.
  TMMCKInfo DescendChunk(TFourCC chunkId, const TMMCKInfo& form);
  // Reads up to capacity bytes of the chunk's data; a short file gives fewer. Returns the count.
  int64_t ReadChunkData(const TMMCKInfo& chunk, void* buffer, int64_t capacity);
  // The chunk's data as far as the file holds it (a size claiming more than the file is not
  // trusted for the allocation).
  std::vector<char> ReadChunkData(const TMMCKInfo& chunk);

  const std::string& FileName() const { return fileName_; }
  bool IsOpen() const { return file_ != nullptr; }

 private:
  struct TChunkHeader {
    TFourCC id = 0;
    uint32_t size = 0;
  };
  bool ReadHeaderAt(int64_t offset, TChunkHeader& header);
  bool ReadUInt32(uint32_t& value);
  [[noreturn]] void FailNotFound() const;

  std::string fileName_;
  std::unique_ptr<std::ifstream> file_;
  int64_t fileSize_ = 0;
};

// One chunk of one RIFF form of a file, located when constructed; the file stays open until
// the extractor is destroyed.
class TRiffChunkDataExtractor {
 public:
  TRiffChunkDataExtractor(const std::string& fileName, TFourCC chunkId, TFourCC formType);
  virtual ~TRiffChunkDataExtractor() = default;

  int64_t ReadData(void* buffer, int64_t capacity) { return Parser->ReadChunkData(ChunkInfo, buffer, capacity); }
  std::vector<char> ReadData() { return Parser->ReadChunkData(ChunkInfo); }

  std::unique_ptr<TWavParser> Parser;
  TFourCC ChunkId;
  TFourCC FormType;
  TMMCKInfo FormInfo;
  TMMCKInfo ChunkInfo;
};

// The sample bytes of a WAVE file.
class TWaveDataExtractor : public TRiffChunkDataExtractor {
 public:
  explicit TWaveDataExtractor(const std::string& fileName);
};
