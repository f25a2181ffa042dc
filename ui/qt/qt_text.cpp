#include "ui/qt/qt_text.h"

namespace tarnex::ui {

QString from_bytes(std::string_view bytes) {
  std::string cleaned;
  cleaned.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\0') {
      cleaned += ' ';
    } else if (c == '\r') {
      if (i + 1 >= bytes.size() || bytes[i + 1] != '\n') cleaned += '\n';
    } else {
      cleaned += c;
    }
  }
  return QString::fromUtf8(cleaned.data(), static_cast<qsizetype>(cleaned.size()));
}

QString text_row(std::string_view bytes) {
  QString text = from_bytes(bytes);
  for (QChar& c : text) {
    const char16_t code = c.unicode();
    if (code == u'\n' || code == QChar::ParagraphSeparator || code == 0xFDD0 || code == 0xFDD1) c = u' ';
  }
  return text;
}

std::string to_bytes(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace tarnex::ui
