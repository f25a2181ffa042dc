#include "app/folder_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>

namespace tarnex {
namespace {

constexpr const char* kRememberedKey = "model-directory";

}  // namespace

std::optional<std::filesystem::path> choose_model_directory() {
  QSettings settings;
  QString start = settings.value(kRememberedKey).toString();
  if (start.isEmpty() || !QDir(start).exists()) start = QDir::homePath();
  const QString chosen = QFileDialog::getExistingDirectory(
      nullptr, QStringLiteral("Tarnex: choose the folder that holds the model programs"), start);
  if (chosen.isEmpty()) return std::nullopt;
  settings.setValue(kRememberedKey, chosen);
  return std::filesystem::path(chosen.toStdString());
}

}  // namespace tarnex
