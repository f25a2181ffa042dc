#include "history/transcript_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tarnex::history {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

}  // namespace

std::unique_ptr<TranscriptWriter> TranscriptWriter::create(const std::filesystem::path& path,
                                                           const TranscriptHeader& header,
                                                           std::uint64_t most_output_bytes, std::error_code& error) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) {
    error = std::error_code(errno, std::generic_category());
    return nullptr;
  }
  std::unique_ptr<TranscriptWriter> writer(new TranscriptWriter(path, descriptor, most_output_bytes));
  writer->write_out(header_text(header));
  if (writer->failed()) {
    error = writer->error();
    writer.reset();
    ::unlink(path.c_str());
    return nullptr;
  }
  error.clear();
  return writer;
}

TranscriptWriter::TranscriptWriter(std::filesystem::path path, int descriptor, std::uint64_t most_output_bytes)
    : path_(std::move(path)), descriptor_(descriptor), most_output_bytes_(most_output_bytes) {
  buffer_.reserve(kBufferBytes);
}

TranscriptWriter::~TranscriptWriter() { close(); }

void TranscriptWriter::output(std::string_view bytes) {
  const auto room = most_output_bytes_ - std::min(output_bytes_, most_output_bytes_);
  if (bytes.size() > room) {
    not_kept_ += bytes.size() - room;
    bytes = bytes.substr(0, room);
  }
  output_bytes_ += bytes.size();
  if (buffer_.size() + bytes.size() > kBufferBytes) flush();
  if (bytes.size() >= kBufferBytes) {
    write_out(bytes);
  } else {
    buffer_.append(bytes);
  }
}

void TranscriptWriter::flush() {
  if (buffer_.empty()) return;
  write_out(buffer_);
  buffer_.clear();
}

void TranscriptWriter::finish(const TranscriptEnd& end) {
  flush();
  TranscriptEnd kept = end;
  kept.bytes_not_kept = not_kept_;
  write_out(trailer_text(output_bytes_, kept));
  close();
}

void TranscriptWriter::write_out(std::string_view bytes) {
  while (!bytes.empty() && !error_ && descriptor_ >= 0) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      error_ = std::error_code(errno, std::generic_category());
      return;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void TranscriptWriter::close() {
  if (descriptor_ < 0) return;
  flush();
  ::close(descriptor_);
  descriptor_ = -1;
}

}  // namespace tarnex::history
