// Runs a developer tool as a program and reads its lines of JSON back.
#pragma once

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace sb::test {

struct ToolRun {
  int exitCode = -1;
  QList<QByteArray> lines;
  QByteArray errors;
};

inline ToolRun RunTool(const QString& program, const QStringList& arguments,
                       const QByteArray& input = {}) {
  QProcess process;
  process.start(program, arguments);
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(120000);
  ToolRun run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.lines = process.readAllStandardOutput().split('\n');
  run.lines.removeAll(QByteArray());
  run.errors = process.readAllStandardError();
  return run;
}

inline QJsonObject ParseLine(const QByteArray& line) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(line, &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << line.constData();
  return document.object();
}

}  // namespace sb::test
