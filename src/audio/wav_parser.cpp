#include "audio/wav_parser.h"

#include <algorithm>

#include "frame/errors.h"
#include "frame/translated.h"

namespace {
const TFourCC RiffId = MakeFourCC("RIFF");

// Chunks start on even offsets: an odd-sized chunk is followed by one pad byte.
int64_t NextChunkOffset(int64_t offset, uint32_t size) {
  return offset + 8 + static_cast<int64_t>(size) + (size & 1);
}
}  // namespace

TFourCC MakeFourCC(const char (&code)[5]) {
  return static_cast<uint8_t>(code[0]) | static_cast<uint8_t>(code[1]) << 8 |
         static_cast<uint8_t>(code[2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(code[3])) << 24;
}

void TWavParser::Open(const std::string& fileName) {
  file_.reset();
  fileName_.clear();
  fileSize_ = 0;
  if (fileName.empty()) return;
  auto file = std::make_unique<std::ifstream>(fileName, std::ios::binary);
  if (!*file) throw EGameError(FormatMessage(QT_TRANSLATE_NOOP("Failures", "Open Error [%s]"), fileName));
  file->seekg(0, std::ios::end);
  const std::streamoff size = file->tellg();
  if (size < 0)
    throw EGameError(FormatMessage(QT_TRANSLATE_NOOP("Failures", "Open Error [%s]"), fileName));  // a folder, say
  file_ = std::move(file);
  fileSize_ = size;
  fileName_ = fileName;
}

void TWavParser::CheckOpen() const {
  if (!file_)
    throw EGameError(
        FormatMessage(QT_TRANSLATE_NOOP("Failures", "Validate IO handle error: Out of File [%s]"), fileName_));
}

void TWavParser::Seek(int64_t offset) {
  CheckOpen();
  file_->clear();
  if (offset < 0 || !file_->seekg(offset, std::ios::beg))
    throw EGameError(FormatMessage(QT_TRANSLATE_NOOP("Failures", "Seed Source error. [%s]"), fileName_));
}

bool TWavParser::ReadUInt32(uint32_t& value) {
  unsigned char bytes[4];
  if (!file_->read(reinterpret_cast<char*>(bytes), 4)) return false;
  value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
  return true;
}

bool TWavParser::ReadHeaderAt(int64_t offset, TChunkHeader& header) {
  if (offset + 8 > fileSize_) return false;
  Seek(offset);
  return ReadUInt32(header.id) && ReadUInt32(header.size);
}

void TWavParser::FailNotFound() const {
  throw EGameError(FormatMessage(QT_TRANSLATE_NOOP("Failures", "Find chunk error: Chunk not find. [%s]"), fileName_));
}

TMMCKInfo TWavParser::DescendForm(TFourCC formType) {
  Seek(0);
  TChunkHeader header;
  for (int64_t offset = 0; ReadHeaderAt(offset, header); offset = NextChunkOffset(offset, header.size)) {
    uint32_t type = 0;
    if (header.id == RiffId && ReadUInt32(type) && type == formType)
      return TMMCKInfo{RiffId, header.size, formType, static_cast<uint32_t>(offset + 8), 0};
  }
  FailNotFound();
}

TMMCKInfo TWavParser::DescendChunk(TFourCC chunkId, const TMMCKInfo& form) {
  const int64_t first = static_cast<int64_t>(form.dwDataOffset) + 4;
  Seek(first);
  const int64_t formEnd = static_cast<int64_t>(form.dwDataOffset) + form.cksize;
  TChunkHeader header;
  for (int64_t offset = first; offset + 8 <= formEnd && ReadHeaderAt(offset, header);
       offset = NextChunkOffset(offset, header.size)) {
    if (header.id == chunkId) return TMMCKInfo{chunkId, header.size, 0, static_cast<uint32_t>(offset + 8), 0};
  }
  FailNotFound();
}

int64_t TWavParser::ReadChunkData(const TMMCKInfo& chunk, void* buffer, int64_t capacity) {
  Seek(chunk.dwDataOffset);
  const int64_t wanted = std::min<int64_t>(chunk.cksize, capacity);
  file_->read(static_cast<char*>(buffer), wanted);
  return file_->gcount();
}

std::vector<char> TWavParser::ReadChunkData(const TMMCKInfo& chunk) {
  CheckOpen();
  const int64_t available = std::max<int64_t>(0, fileSize_ - chunk.dwDataOffset);
  std::vector<char> data(static_cast<size_t>(std::min<int64_t>(chunk.cksize, available)));
  data.resize(static_cast<size_t>(ReadChunkData(chunk, data.data(), static_cast<int64_t>(data.size()))));
  return data;
}

TRiffChunkDataExtractor::TRiffChunkDataExtractor(const std::string& fileName, TFourCC chunkId, TFourCC formType)
    : Parser(std::make_unique<TWavParser>()), ChunkId(chunkId), FormType(formType) {
  Parser->Open(fileName);
  FormInfo = Parser->DescendForm(formType);
  ChunkInfo = Parser->DescendChunk(chunkId, FormInfo);
}

TWaveDataExtractor::TWaveDataExtractor(const std::string& fileName)
    : TRiffChunkDataExtractor(fileName, MakeFourCC("data"), MakeFourCC("WAVE")) {}
