// The folder chooser of a start from the desktop entry: where it opens, what
// it gives back, and what it remembers for the next start.

#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/folder_chooser.h"

namespace {

// Arms a bounded poll for the chooser before the blocking call shows it.
void when_chooser_shows(std::function<void(QFileDialog*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act, tries = 300]() mutable {
    auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if ((chooser && chooser->isVisible()) || --tries <= 0) {
      timer->stop();
      timer->deleteLater();
      if (chooser) act(chooser);
    }
  });
  timer->start();
}

}  // namespace

class FolderChooserTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir scratch;
  QString models() const { return scratch.filePath("models"); }
  QString basin() const { return scratch.filePath("models/basin"); }
  QSettings remembered() const { return QSettings(QStringLiteral("Tarnex"), QStringLiteral("tarnex")); }

  // Runs the chooser, noting where it opened and then choosing `folder`, or
  // cancelling when `folder` is empty.
  std::optional<std::filesystem::path> choose(const QString& folder, QString& opened_at) {
    when_chooser_shows([folder, &opened_at](QFileDialog* chooser) {
      opened_at = chooser->directory().absolutePath();
      if (folder.isEmpty()) {
        chooser->reject();
        return;
      }
      chooser->setDirectory(folder);
      QMetaObject::invokeMethod(chooser, "accept");
    });
    return tarnex::choose_model_directory();
  }

 private slots:
  void initTestCase() {
    QVERIFY(scratch.isValid());
    QVERIFY(QDir(scratch.path()).mkpath("models/basin"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.filePath("config"));
  }
  void init() { remembered().clear(); }

  void first_start_opens_at_home_and_remembers_the_choice() {
    QString opened_at;
    const auto chosen = choose(basin(), opened_at);
    QCOMPARE(opened_at, QDir::homePath());
    QVERIFY(chosen);
    QCOMPARE(QString::fromStdString(chosen->string()), basin());
    QCOMPARE(remembered().value("model-directory").toString(), basin());
  }

  void next_start_opens_at_the_remembered_folder() {
    remembered().setValue("model-directory", models());
    QString opened_at;
    const auto chosen = choose(basin(), opened_at);
    QCOMPARE(opened_at, models());
    QVERIFY(chosen);
    QCOMPARE(remembered().value("model-directory").toString(), basin());
  }

  void a_remembered_folder_that_is_gone_opens_at_home() {
    remembered().setValue("model-directory", scratch.filePath("gone"));
    QString opened_at;
    QVERIFY(choose(models(), opened_at));
    QCOMPARE(opened_at, QDir::homePath());
  }

  void cancelling_gives_nothing_and_keeps_the_remembered_folder() {
    remembered().setValue("model-directory", models());
    QString opened_at;
    QVERIFY(!choose(QString(), opened_at));
    QCOMPARE(opened_at, models());
    QCOMPARE(remembered().value("model-directory").toString(), models());
  }
};

QTEST_MAIN(FolderChooserTest)
#include "folder_chooser_test.moc"
