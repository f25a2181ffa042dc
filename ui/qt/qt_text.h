#pragma once
// Texts cross between the logic (bytes, as the model programs and files hold
// them) and Qt (Unicode). Whatever the bytes, the window shows something: NUL
// shows as a blank, invalid UTF-8 as the replacement character, and every
// carriage-return/line-feed pair or lone carriage return as one line break.

#include <QString>
#include <string>
#include <string_view>

namespace tarnex::ui {

QString from_bytes(std::string_view bytes);
// A row of the text window, which its document holds as one block: as
// from_bytes, and a character that would end the block shows as a blank.
QString text_row(std::string_view bytes);
std::string to_bytes(const QString& text);

}  // namespace tarnex::ui
