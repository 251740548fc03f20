#include "engine/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace brenvolt::engine {
namespace {

TEST(LineReader, SplitsLinesKeepsBytesAndDropsOverlongLines) {
  const std::string binary("a\0b\xff", 4);
  std::istringstream in(binary + "\n" + std::string(100, 'x') + "\n\n" + std::string(10, 'y') +
                        "\nlast");
  LineReader reader(in, 10);
  std::string line;
  EXPECT_EQ(reader.next(line), LineStatus::line);
  EXPECT_EQ(line, binary);
  EXPECT_EQ(reader.next(line), LineStatus::too_long);
  EXPECT_TRUE(line.empty());
  EXPECT_EQ(reader.next(line), LineStatus::line);
  EXPECT_EQ(line, "");
  EXPECT_EQ(reader.next(line), LineStatus::line);
  EXPECT_EQ(line, std::string(10, 'y'));  // exactly the limit
  EXPECT_EQ(reader.next(line), LineStatus::line);
  EXPECT_EQ(line, "last");
  EXPECT_EQ(reader.next(line), LineStatus::end);
  EXPECT_EQ(reader.next(line), LineStatus::end);
}

}  // namespace
}  // namespace brenvolt::engine
