// The file-type filters in the real open-file dialog: a model's files show
// whatever the letter case of their extension, and no others.

#include <QDeadlineTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <fstream>

#include "modal_helper.h"
#include "shell/file_commands.h"
#include "ui/qt/qt_ui.h"

namespace {

const QStringList kFiles = {"basin.dat", "BASIN.TIN", "Basin.Flum", "run.jorn", "notes.txt",
                            "basin.dat.bak", "README", "x.hms"};

// The names the dialog lists once it has read the directory.
QStringList listed(QFileDialog* dialog, int expected) {
  auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
  if (!view) return {"no list view"};
  QStringList names;
  // The file system model fills the view from another thread: wait on a
  // deadline, since processEvents returns at once when nothing is queued.
  QDeadlineTimer deadline(10000);
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
    names.clear();
    const auto root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row) {
      names << view->model()->index(row, 0, root).data().toString();
    }
    if (names.size() == expected) break;
  }
  names.sort();
  return names;
}

}  // namespace

class FileFilterGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_the_filters_files_in_any_case_data() {
    QTest::addColumn<QString>("routine");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("all QARN files") << "QARN_FILES_ALL"
                                    << QStringList{"BASIN.TIN", "Basin.Flum", "basin.dat", "run.jorn"};
    QTest::newRow("message files") << "QARN_FILES_MESSAGES" << QStringList{"x.hms"};
    QTest::newRow("DAT files") << "QARN_FILES_DAT" << QStringList{"basin.dat"};
    QTest::newRow("all files") << "FILES_ALL"
                               << QStringList{"BASIN.TIN", "Basin.Flum", "README",  "basin.dat",
                                              "basin.dat.bak", "notes.txt", "run.jorn", "x.hms"};
  }

  void shows_the_filters_files_in_any_case() {
    QFETCH(QString, routine);
    QFETCH(QStringList, shown);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    for (const auto& name : kFiles) std::ofstream((directory.path() + "/" + name).toStdString()) << "x\n";
    const auto& filters = tarnex::file_filters();
    const auto filter = std::find_if(filters.begin(), filters.end(),
                                     [&](const tarnex::FileFilter& f) { return f.routine == routine.toStdString(); });
    QVERIFY(filter != filters.end());

    tarnex::ui::QtUi ui;
    QStringList seen;
    tarnex::test::when_shown(QStringLiteral("openfile"), [&](QWidget* widget) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      seen = dialog ? listed(dialog, static_cast<int>(shown.size())) : QStringList{"not a file dialog"};
      widget->close();
    });
    const auto chosen = ui.open_file({{filter->description, filter->patterns}}, "Select the QARN file",
                                     directory.path().toStdString() + "/");
    QVERIFY(!chosen);
    QCOMPARE(seen, shown);
  }
};

QTEST_MAIN(FileFilterGuiTest)
#include "file_filter_gui_test.moc"
