// The record dialogs in the Qt window: each opens with every control of its
// template under its objectName, and a record typed into the real widgets
// (multi-line edits hand over their lines with LF alone) comes out in its
// columns.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "base/fixed_text.h"
#include "modal_helper.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/record_builder.h"
#include "ui/qt/qt_dialog.h"
#include "ui/qt/qt_ui.h"

class RecordDialogsGuiTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<tarnex::ui::QtUi> ui;

 private slots:
  void init() { ui = std::make_unique<tarnex::ui::QtUi>(); }
  void cleanup() { ui.reset(); }

  void every_record_dialog_opens_with_its_controls_data() {
    QTest::addColumn<int>("dialog");
    for (const auto& record : tarnex::tin::record_dialogs()) {
      QTest::newRow(std::to_string(record.dialog).c_str()) << record.dialog;
    }
    const int message = tarnex::ids::tin_message::kDialog;
    QTest::newRow(std::to_string(message).c_str()) << message;
  }
  void every_record_dialog_opens_with_its_controls() {
    QFETCH(int, dialog);
    auto opened = ui->make_dialog(dialog);
    QVERIFY(opened);
    auto* widget = static_cast<tarnex::ui::QtDialog&>(*opened).widget();
    QCOMPARE(widget->objectName(), QStringLiteral("d%1").arg(dialog));
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    for (const auto& control : ui->templates().find(dialog)->controls) {
      if (control.id == -1) continue;
      auto* w = widget->findChild<QWidget*>(QStringLiteral("c%1").arg(control.id));
      QVERIFY2(w, qPrintable(QStringLiteral("control %1").arg(control.id)));
      QCOMPARE(w->isVisible(), !control.hidden);
      if (auto* line = qobject_cast<QLineEdit*>(w)) QCOMPARE(line->isReadOnly(), control.read_only);
      if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) QCOMPARE(edit->isReadOnly(), control.read_only);
    }
    widget->hide();
  }

  void typed_record_is_added_in_its_columns() {
    namespace scp = tarnex::ids::record_2scp;
    tarnex::tin::TinState tin;
    auto dialog = ui->make_dialog(scp::kDialog);
    QVERIFY(dialog);
    dialog->set_callback(scp::kAdd, tarnex::ui::Event::Click, tarnex::tin::record_builder(tin, *ui));
    tarnex::test::when_shown(QStringLiteral("d%1").arg(scp::kDialog), [](QWidget* d) {
      auto* mnan = d->findChild<QComboBox*>(QStringLiteral("c%1").arg(scp::kMnan));
      mnan->setCurrentIndex(mnan->findText("1"));
      auto* num = d->findChild<QComboBox*>(QStringLiteral("c%1").arg(scp::kNum));
      num->setCurrentIndex(num->findText("2"));
      auto* identifiers = d->findChild<QPlainTextEdit*>(QStringLiteral("c%1").arg(scp::kIden));
      identifiers->setFocus();
      QTest::keyClicks(identifiers, "CP1");
      QTest::keyClick(identifiers, Qt::Key_Return);
      QTest::keyClicks(identifiers, "  CP2");
      QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("c%1").arg(scp::kAdd)), Qt::LeftButton);
    });
    QCOMPARE(dialog->run_modal(), scp::kAdd);
    QCOMPARE(tin.records.count(), 1);
    QCOMPARE(tin.records.line(1), tarnex::fit("2SCP" "   1" "   2" "  " "   CP1" "  " "   CP2", 256));
  }
};

QTEST_MAIN(RecordDialogsGuiTest)
#include "record_dialogs_gui_test.moc"
