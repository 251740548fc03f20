// brenvolt-picture-export: draws the thirty stored pictures at the classic size with the
// window's own drawing code and writes their pixels, one picture after the other in the order
// of their names, as FILE (32-bit premultiplied ARGB, rows top down, no header: each picture's
// size is its natural one). The build puts the file in the program, so a window at the classic
// size takes its pictures from there at start-up instead of drawing them; any other size
// draws them afresh.
//   brenvolt-picture-export FILE
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "window/qt/picture_drawing.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: brenvolt-picture-export FILE\n";
    return 2;
  }
  QGuiApplication app(argc, argv);
  std::ofstream out(argv[1], std::ios::binary);
  for (int i = 0; i < brenvolt::絵の数; ++i) {
    const QImage image = brenvolt::絵を描く(static_cast<brenvolt::PictureId>(i), 1.0, 1.0)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
      out.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    }
  }
  out.close();
  if (!out) {
    std::cerr << "brenvolt-picture-export: cannot write " << argv[1] << '\n';
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
