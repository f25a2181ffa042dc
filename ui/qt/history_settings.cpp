#include "ui/qt/history_settings.h"

#include <QSettings>

namespace tarnex::ui {
namespace {

constexpr const char* kKeeping = "history/keep-transcripts";
constexpr const char* kMostRuns = "history/most-runs";
constexpr const char* kMostMegabytes = "history/most-megabytes";

QSettings settings() { return QSettings(QStringLiteral("Tarnex"), QStringLiteral("tarnex")); }

// More than any disk holds: a larger figure is a slip of the keyboard.
constexpr qulonglong kLargest = 1'000'000'000;

// A whole number from 1 to kLargest, or else `fallback`.
qulonglong count(const QSettings& from, const char* key, qulonglong fallback) {
  bool ok = false;
  const qulonglong value = from.value(key).toULongLong(&ok);
  return ok && value >= 1 && value <= kLargest ? value : fallback;
}

}  // namespace

HistorySettings load_history_settings() {
  const auto stored = settings();
  HistorySettings loaded;
  const QVariant keeping = stored.value(kKeeping);
  if (keeping.isValid()) loaded.keeping = keeping.toBool();
  loaded.limits.runs = count(stored, kMostRuns, loaded.limits.runs);
  loaded.limits.bytes = count(stored, kMostMegabytes, loaded.limits.bytes / 1'000'000) * 1'000'000;
  return loaded;
}

void store_keeping(bool keeping) { settings().setValue(kKeeping, keeping); }

}  // namespace tarnex::ui
