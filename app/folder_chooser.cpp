#include "app/folder_chooser.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>

namespace tarnex {
namespace {

constexpr const char* kRememberedKey = "model-directory";

}  // namespace

std::optional<std::filesystem::path> choose_model_directory() {
  // ~/.config/Tarnex/tarnex.conf
  QSettings settings(QStringLiteral("Tarnex"), QStringLiteral("tarnex"));
  QString start = settings.value(kRememberedKey).toString();
  if (start.isEmpty() || !QDir(start).exists()) start = QDir::homePath();
  const QString chosen = QFileDialog::getExistingDirectory(
      nullptr, QStringLiteral("Tarnex: choose the folder that holds the model programs"), start);
  if (chosen.isEmpty()) return std::nullopt;
  settings.setValue(kRememberedKey, chosen);
  return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

}  // namespace tarnex
