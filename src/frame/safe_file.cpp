#include "frame/safe_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "frame/errors.h"
#include "frame/translated.h"

namespace {
constexpr std::string_view TempSuffix = ".tmp";

// Writes and flushes path + ".tmp"; returns 0 or the errno of the step that failed.
int WriteAside(const std::string& temp, std::string_view bytes) {
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return errno;
  int error = 0;
  size_t written = 0;
  while (written < bytes.size() && error == 0) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n > 0)
      written += static_cast<size_t>(n);
    else if (n < 0 && errno != EINTR)
      error = errno;
    else if (n == 0)
      error = ENOSPC;
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

// Writes aside, then renames over path; 0 or the errno of the failed step (the aside copy is
// removed then).
int ReplaceFile(const std::string& path, std::string_view bytes) {
  const std::string temp = path + std::string(TempSuffix);
  int error = WriteAside(temp, bytes);
  if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) std::remove(temp.c_str());
  return error;
}

// Without this a power cut soon after the rename can bring back the old directory entry.
void SyncFolderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  const std::filesystem::path folder = parent.empty() ? std::filesystem::path(".") : parent;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
}  // namespace

std::string SystemErrorText(int error) { return std::strerror(error); }

void WriteFileSafely(const std::string& path, std::string_view bytes, const std::string& backup,
                     TWorthKeeping worthKeeping) {
  if (!backup.empty()) {
    const TPlayerFileRead previous = ReadPlayerFile(path);
    if (previous.Outcome == TPlayerFileRead::Read && !previous.Bytes.empty() &&
        (!worthKeeping || worthKeeping(previous.Bytes)))
      ReplaceFile(backup, previous.Bytes);
  }
  if (const int error = ReplaceFile(path, bytes); error != 0)
    throw EFileError(
        FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot create file \"%s\": "), path) + SystemErrorText(error),
        path, SystemErrorText(error));
  SyncFolderOf(path);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // Read in large blocks: a file that grows or shrinks meanwhile is read to its end all the same.
  constexpr std::streamsize kBlock = 1 << 16;
  bytes.clear();
  const auto size = std::filesystem::file_size(path, ignored);
  if (!ignored) bytes.reserve(static_cast<size_t>(size) + kBlock);
  for (;;) {
    const size_t had = bytes.size();
    bytes.resize(had + kBlock);
    in.read(bytes.data() + had, kBlock);
    bytes.resize(had + static_cast<size_t>(in.gcount()));
    if (!in) break;
  }
  return !in.bad();
}

int RemoveLeftoverTempFiles(const std::string& folder) {
  int removed = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    const bool temp = name.size() > TempSuffix.size() && name.ends_with(TempSuffix);
    std::error_code ignored;
    if (temp && entry.is_regular_file(ignored) && std::filesystem::remove(entry.path(), ignored)) ++removed;
  }
  return removed;
}

TPlayerFileRead ReadPlayerFile(const std::string& path) {
  TPlayerFileRead read;
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return read;
  const auto fail = [&](TPlayerFileRead::TOutcome outcome, std::string reason) {
    read.Outcome = outcome;
    read.Reason = std::move(reason);
    return read;
  };
  if (std::filesystem::is_directory(status))
    return fail(
        TPlayerFileRead::Unreadable,
        FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot open file \"%s\": "), path) + SystemErrorText(EISDIR));
  // A device or a pipe in the file's place could be read for ever.
  if (!std::filesystem::is_regular_file(status))
    return fail(TPlayerFileRead::Unreadable,
                FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot open file \"%s\": "), path) +
                    FailureText(QT_TRANSLATE_NOOP("Failures", "not a regular file")));
  const auto size = std::filesystem::file_size(path, error);
  if (!error && size > MaxPlayerFileSize)
    return fail(TPlayerFileRead::TooLarge, FailureText(QT_TRANSLATE_NOOP("Failures", "it is larger than 1 MB")));
  errno = 0;
  if (!ReadWholeFile(path, read.Bytes))
    return fail(TPlayerFileRead::Unreadable,
                FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot open file \"%s\": "), path) +
                    SystemErrorText(errno ? errno : EIO));
  // A file that grew past the limit while it was read is refused all the same.
  if (read.Bytes.size() > MaxPlayerFileSize) {
    read.Bytes.clear();
    return fail(TPlayerFileRead::TooLarge, FailureText(QT_TRANSLATE_NOOP("Failures", "it is larger than 1 MB")));
  }
  read.Outcome = TPlayerFileRead::Read;
  return read;
}

std::string FreeDamagedPath(const std::string& path) {
  std::error_code ignored;
  std::string candidate = path + ".damaged";
  for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(candidate, ignored)); ++n)
    candidate = path + ".damaged" + std::to_string(n);
  return candidate;
}

std::string KeepDamagedCopy(const std::string& path) {
  const std::string aside = FreeDamagedPath(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    std::filesystem::rename(path, aside, error);
    if (error)
      throw EFileError(
          FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot create file \"%s\": "), aside) + error.message(), aside,
          error.message());
    return aside;
  }
  if (::link(path.c_str(), aside.c_str()) == 0) {
    SyncFolderOf(aside);
    return aside;
  }
  std::string bytes;
  if (!ReadWholeFile(path, bytes))
    throw EFileError(
        FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot open file \"%s\": "), path) + SystemErrorText(errno), path,
        SystemErrorText(errno));
  WriteFileSafely(aside, bytes);
  return aside;
}
