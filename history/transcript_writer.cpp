#include "history/transcript_writer.h"

#include <algorithm>
#include <cerrno>

#include "base/file_system.h"

namespace tarnex::history {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

}  // namespace

std::unique_ptr<TranscriptWriter> TranscriptWriter::create(const std::filesystem::path& path,
                                                           const TranscriptHeader& header,
                                                           std::uint64_t most_output_bytes, std::error_code& error) {
  std::FILE* file = files::create_new(path);
  if (file == nullptr) {
    error = std::error_code(errno, std::generic_category());
    return nullptr;
  }
  // Unbuffered: each write reaches the file at once, the buffer here is the
  // only one.
  std::setvbuf(file, nullptr, _IONBF, 0);
  std::unique_ptr<TranscriptWriter> writer(new TranscriptWriter(path, file, most_output_bytes));
  writer->write_out(header_text(header));
  if (writer->failed()) {
    error = writer->error();
    writer.reset();
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return nullptr;
  }
  error.clear();
  return writer;
}

TranscriptWriter::TranscriptWriter(std::filesystem::path path, std::FILE* file, std::uint64_t most_output_bytes)
    : path_(std::move(path)), file_(file), most_output_bytes_(most_output_bytes) {
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
  if (bytes.empty() || error_ || file_ == nullptr) return;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    error_ = std::error_code(errno != 0 ? errno : EIO, std::generic_category());
  }
}

void TranscriptWriter::close() {
  if (file_ == nullptr) return;
  flush();
  std::fclose(file_);
  file_ = nullptr;
}

}  // namespace tarnex::history
