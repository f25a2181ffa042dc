// TARNEX: the Qarn model programs' window. Start it in the directory that
// holds the model programs.

#include <QApplication>

#include "app/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tarnex::Program program;
  program.start();
  const int code = QApplication::exec();
  program.stop();
  return code;
}
