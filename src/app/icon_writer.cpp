// Writes the application icon as a PNG: icon_writer FILE SIZE. Used by the build for the
// desktop entry's icon.

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <iostream>

#include "app/artwork.h"

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 3 || std::atoi(argv[2]) <= 0) {
    std::cerr << "usage: strikepad-icon-writer FILE SIZE\n";
    return 2;
  }
  return strikepad::applicationIconImage(std::atoi(argv[2])).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
