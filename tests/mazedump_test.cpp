// The mazedump tool, run as a program and read back as JSON.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "core/numbers.h"
#include "tool_run.h"

namespace {

using sb::test::ParseLine;
using sb::test::ToolRun;

ToolRun Mazedump(const QStringList& arguments) {
  return sb::test::RunTool(MAZEDUMP_PATH, arguments);
}

TEST(Mazedump, PrintsOneValidMazePerSeed) {
  const ToolRun run = Mazedump({"--seeds", "5..9", "--width", "22", "--height", "14", "--length",
                                "3", "--subtunnels", "2", "--max", "50", "--div", "0"});
  ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
  ASSERT_EQ(run.lines.size(), 5);
  long long seed = 5;
  for (const QByteArray& line : run.lines) {
    const QJsonObject maze = ParseLine(line);
    EXPECT_EQ(maze["seed"].toInteger(), seed++);
    EXPECT_EQ(maze["width"].toInt(), 22);
    EXPECT_EQ(maze["height"].toInt(), 14);
    EXPECT_GE(maze["buildMicroseconds"].toInteger(), 0);
    const QJsonArray numbers = maze["numbers"].toArray();
    ASSERT_EQ(numbers.size(), 14);
    const auto number = [&](const QJsonValue& cell) {
      const QJsonArray p = cell.toArray();
      return numbers[p[1].toInt() - 1].toArray()[p[0].toInt() - 1].toInt();
    };
    for (const QJsonValue& row : numbers) {
      ASSERT_EQ(row.toArray().size(), 22);
      // Near-miss side-tunnel joints may lie up to two above the maximum.
      for (const QJsonValue& n : row.toArray())
        ASSERT_TRUE(n.toInt() >= 1 && n.toInt() <= 52);
    }
    const QJsonArray tunnel = maze["tunnel"].toArray();
    ASSERT_EQ(tunnel.size(), maze["tunnelLength"].toInt());
    EXPECT_EQ(tunnel.size(), 61);  // 22 x 14 / 5 = 61
    EXPECT_EQ(tunnel[0].toArray(), maze["entrance"].toArray());
    EXPECT_EQ(tunnel[0].toArray()[1].toInt(), 1);
    long long maxScore = 0;
    for (qsizetype i = 0; i < tunnel.size(); ++i) {
      const QJsonArray here = tunnel[i].toArray();
      if (i > 0) {
        const QJsonArray before = tunnel[i - 1].toArray();
        ASSERT_EQ(std::abs(here[0].toInt() - before[0].toInt()) +
                      std::abs(here[1].toInt() - before[1].toInt()),
                  1);
      }
      const qsizetype position = i + 1;
      ASSERT_LE(number(tunnel[i]), 50);
      const long long weight = position == tunnel.size() ? 3 : position % 2 == 1 ? 2 : 1;
      maxScore += number(tunnel[i]) * weight;
      if (i % 2 == 0 && i + 2 < tunnel.size()) {
        const long long a = number(tunnel[i]);
        const long long b = number(tunnel[i + 1]);
        const long long c = number(tunnel[i + 2]);
        ASSERT_TRUE(sb::IsTrueEquation(a, b, c)) << a << " " << b << " " << c;
        ASSERT_FALSE(b < a && b != 0 && a % b == 0 && c == a / b && c != a - b);  // no division
      }
    }
    EXPECT_EQ(maze["maxScore"].toInteger(), maxScore);
  }
}

TEST(Mazedump, SameSeedPrintsTheSameMaze) {
  const ToolRun first = Mazedump({"--seeds", "3..3", "--subtunnels", "3"});
  const ToolRun second = Mazedump({"--seeds", "3..3", "--subtunnels", "3"});
  ASSERT_EQ(first.exitCode, 0);
  QJsonObject a = ParseLine(first.lines.value(0));
  QJsonObject b = ParseLine(second.lines.value(0));
  a.remove("buildMicroseconds");
  b.remove("buildMicroseconds");
  EXPECT_EQ(a, b);
  EXPECT_EQ(a["width"].toInt(), 17);
  EXPECT_EQ(a["height"].toInt(), 8);
  EXPECT_EQ(a["tunnelLength"].toInt(), 13);  // shortest on 17 x 8
}

TEST(Mazedump, BadOptionsGetTheUsageAndStatusTwo) {
  const QStringList bad[] = {{"--seeds", "9..3"}, {"--seeds", "4"},      {"--width", "60"},
                             {"--height", "2"},   {"--length", "5"},     {"--subtunnels", "4"},
                             {"--mult", "yes"},   {"--colour", "green"}, {"--max"}};
  for (const QStringList& arguments : bad) {
    const ToolRun run = Mazedump(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.errors.contains("usage: mazedump")) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.lines.isEmpty());
  }
}

}  // namespace
