// The gamescript tool, fed commands on standard input and read back as JSON.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QJsonArray>

#include "tool_run.h"

namespace {

using sb::test::ParseLine;
using sb::test::ToolRun;

std::vector<QJsonObject> Play(const QByteArray& script) {
  const ToolRun run = sb::test::RunTool(GAMESCRIPT_PATH, {}, script);
  EXPECT_EQ(run.exitCode, 0) << run.errors.constData();
  std::vector<QJsonObject> reports;
  for (const QByteArray& line : run.lines)
    reports.push_back(ParseLine(line));
  return reports;
}

TEST(Gamescript, AGameFollowedAlongItsTunnelIsWon) {
  const std::vector<QJsonObject> first = Play("seed 4\nset SubTunnels 2\nnew\nshow\n");
  ASSERT_EQ(first.size(), 4u);
  const QJsonArray tunnel = first[3]["tunnel"].toArray();
  const QJsonArray board = first[3]["board"].toArray();
  ASSERT_GE(tunnel.size(), 3);
  EXPECT_EQ(first[2]["counter"].toString(), QString("0/%1").arg(first[2]["maxScore"].toInteger()));
  EXPECT_EQ(first[2]["boxes"].toArray().size(), 1);
  EXPECT_EQ(first[2]["cues"].toArray(), QJsonArray{"sbStart.mp3"});
  const QJsonArray entrance =
      first[3]["board"].toArray()[0].toArray()[tunnel[0].toArray()[0].toInt() - 1].toArray();
  EXPECT_EQ(entrance[1].toString(), "yellow");
  EXPECT_EQ(entrance[2].toInt(), 1);

  // Replay the same game, picking the tunnel cell by cell (the entrance is marked; home is never
  // picked). Each right equation scores its answer; the crawl home then adds every number.
  QByteArray script = "seed 4\nset SubTunnels 2\nnew\n";
  long long expected = 0;
  const auto number = [&](const QJsonValue& cell) {
    const QJsonArray p = cell.toArray();
    return board[p[1].toInt() - 1].toArray()[p[0].toInt() - 1].toArray()[0].toInteger();
  };
  for (qsizetype i = 1; i + 1 < tunnel.size(); ++i) {
    const QJsonArray p = tunnel[i].toArray();
    script += QString("pick %1 %2\n").arg(p[0].toInt()).arg(p[1].toInt()).toUtf8();
    if (i % 2 == 0) expected += number(tunnel[i]);
  }
  for (const QJsonValue& cell : tunnel)
    expected += number(cell);
  const std::vector<QJsonObject> reports = Play(script + "show\n");
  const QJsonObject& won = reports[reports.size() - 2];
  EXPECT_EQ(won["score"].toInteger(), expected);
  EXPECT_EQ(won["flashes"].toArray(), QJsonArray{"Tunnel Complete"});
  EXPECT_EQ(won["cues"].toArray().last().toString(), "sbWon.mp3");
  ASSERT_EQ(won["records"].toArray().size(), 1);
  const QJsonArray record = won["records"].toArray()[0].toArray();
  ASSERT_EQ(record.size(), 9);
  EXPECT_EQ(record[1].toString(), "W");
  EXPECT_EQ(won["worm"].toArray()[0].toInt(), -1);
  EXPECT_FALSE(won["enabled"].toObject()["xGame"].toBool());
  EXPECT_TRUE(won["enabled"].toObject()["mSettings"].toBool());
  for (const QJsonValue& row : reports.back()["board"].toArray())
    for (const QJsonValue& cell : row.toArray())
      ASSERT_TRUE(cell.toArray()[1].toString() == "yellow" ||
                  cell.toArray()[1].toString() == "grey");
}

TEST(Gamescript, AGradeChosenAndAGameLeftByClosing) {
  const std::vector<QJsonObject> reports = Play("seed 4\ngrade 6\nnew\nkey Down\nclose\ngrade 9\n");
  ASSERT_EQ(reports.size(), 6u);
  // The line the game writes: the time it was recorded, then the game.
  const QJsonArray records = reports[4]["records"].toArray();
  ASSERT_EQ(records.size(), 1);
  QJsonArray fields = records[0].toArray();
  ASSERT_EQ(fields.size(), 9);
  EXPECT_TRUE(QDateTime::fromString(fields[0].toString(), Qt::ISODate).isValid())
      << fields[0].toString().toStdString();
  fields.removeFirst();
  const int length = reports[2]["tunnelLength"].toInt();
  EXPECT_EQ(fields, (QJsonArray{"A", "6", "0", "0", QString::number(length), "n", "n", "y"}));
  EXPECT_EQ(reports[5]["error"].toString(), "grade takes 1 to 8");
}

TEST(Gamescript, KeysTimersAndCommandsReport) {
  const std::vector<QJsonObject> reports = Play(
      "seed 2\nset Timed 1\nset handicap -1\npicture 530 290\nset tbSize 4\nnew\n"
      "key Down\ngohome\ntick gTimer\ntick bTimer\nkey F12\nsolve\n");
  ASSERT_EQ(reports.size(), 12u);
  const QJsonObject& started = reports[5];
  EXPECT_EQ(started["timers"].toObject()["gTimer"].toObject()["interval"].toInt(), 10000);
  EXPECT_TRUE(started["timers"].toObject()["gTimer"].toObject()["enabled"].toBool());
  EXPECT_EQ(started["clueCaption"].toString(),
            QString("Clue (%1)").arg(started["clueCount"].toInt()));
  const QJsonObject& down = reports[6];
  EXPECT_EQ(down["tail"].toArray()[1].toInt(), 2);
  EXPECT_TRUE(down["enabled"].toObject()["mGoHome"].toBool());
  EXPECT_EQ(reports[7]["flashes"].toArray(), QJsonArray{"Tunnel incomplete"});
  const QJsonObject& unleashed = reports[8];
  EXPECT_EQ(unleashed["flashes"].toArray(), QJsonArray{"Unleashing the worm"});
  EXPECT_EQ(unleashed["timers"].toObject()["gTimer"].toObject()["interval"].toInt(), 5000);
  EXPECT_FALSE(unleashed["enabled"].toObject()["mSolve"].toBool());
  const QString banner = reports[8]["banner"].toString();
  EXPECT_EQ(reports[9]["banner"].toString(), banner.mid(1));
  // Solve is off once the worm is out: neither F12 nor the menu gives up.
  EXPECT_EQ(reports[10]["counter"].toString(), reports[9]["counter"].toString());
  EXPECT_TRUE(reports[11]["records"].toArray().isEmpty());
}

TEST(Gamescript, EventsInsideACommandAndAGameThatStaysOver) {
  // OK with no panel showing, after a solve: the board stays off and a pick wins nothing.
  const std::vector<QJsonObject> solved = Play("seed 4\nnew\nsolve\nok\npick 14 10\n");
  ASSERT_EQ(solved.size(), 5u);
  EXPECT_FALSE(solved[3]["enabled"].toObject()["xGame"].toBool());
  EXPECT_EQ(solved[4]["counter"].toString(), "0");
  EXPECT_TRUE(solved[4]["flashes"].toArray().isEmpty());
  EXPECT_TRUE(solved[4]["gameOver"].toBool());

  // The worm timer fires while a wrong answer flashes, and F12 there is refused; what the inner
  // events showed is part of the pick's report. An inside line that never gets its turn says so.
  const std::vector<QJsonObject> reports = Play(
      "seed 4\nset Timed 1\nnew\npick 6 2\ninside 3 tick gTimer\ninside 4 key F12\n"
      "pick 5 2\ninside 99 key F2\npick 5 3\n");
  ASSERT_EQ(reports.size(), 9u);
  const QJsonObject& wrong = reports[6];
  ASSERT_EQ(wrong["flashes"].toArray().size(), 2);
  EXPECT_TRUE(wrong["flashes"].toArray()[0].toString().startsWith("Incorrect"));
  EXPECT_EQ(wrong["flashes"].toArray()[1].toString(), "Unleashing the worm");
  EXPECT_EQ(wrong["cues"].toArray(), (QJsonArray{"Wrong", "TimerStart"}));
  EXPECT_FALSE(wrong["gameOver"].toBool());
  EXPECT_TRUE(wrong["records"].toArray().isEmpty());
  EXPECT_EQ(wrong["tail"].toArray(), (QJsonArray{6, 2}));
  EXPECT_TRUE(reports[8]["error"].toString().contains("never ran"));
}

TEST(Gamescript, BadCommandsSayWhyAndPlayGoesOn) {
  const std::vector<QJsonObject> reports = Play(
      "fly away\nset handicap 5\nset Volume 1\nkey Escape\ntick xTimer\npick 3\n"
      "picture 0 5\ninside 0 new\ninside 2 inside 3 new\n\nnew\n");
  ASSERT_EQ(reports.size(), 10u);
  for (size_t i = 0; i + 1 < reports.size(); ++i)
    EXPECT_FALSE(reports[i]["error"].toString().isEmpty())
        << reports[i]["command"].toString().toStdString();
  EXPECT_EQ(reports[0]["error"].toString(), "unknown command fly");
  EXPECT_FALSE(reports.back().contains("error"));
  EXPECT_TRUE(reports.back()["enabled"].toObject()["xGame"].toBool());
}

}  // namespace
