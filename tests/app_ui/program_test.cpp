// The program as a process: exit statuses and messages of unattended runs,
// and the working template written when the program is asked to end.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "platform/text_file.h"
#include "tests/support/temp_dir.h"

namespace tagpress::testing {
namespace {

struct ProgramRun {
  int ExitCode = -1;
  QString Errors;
};

class ProgramTest : public ::testing::Test {
 protected:
  QProcessEnvironment Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAGPRESS_HOME"), QString::fromStdString(home_.path().string()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
  }

  ProgramRun RunProgram(const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(Environment());
    process.start(QStringLiteral(TAGPRESS_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
  }

  static QString Example(const char* name) {
    return QStringLiteral(TAGPRESS_SOURCE_DIR "/examples/") + QString::fromUtf8(name);
  }

  TempDir home_;
  TempDir work_;
};

TEST_F(ProgramTest, UnattendedRunsReportFailuresWithAStatus) {
  struct Case {
    QStringList arguments;
    int status;
    const char* message;  // part of stderr
  };
  const QString pdf = QString::fromStdString(work_.File("labels.pdf"));
  const Case kCases[] = {
      /* 0 */ {{Example("data.csv"), Example("template.bcf"), "-p", "-h", "--output=" + pdf}, 0, ""},
      /* 1 */
      {{QString::fromStdString(work_.File("missing.csv")), "-p", "-h", "--output=" + pdf},
       1,
       "data file not found"},
      /* 2 */ {{Example("data.csv"), "-p", "-h", "--printer=nowhere"}, 1, "no printer named"},
      /* 3 */ {{Example("data.csv"), "-h"}, 0, ""},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    const ProgramRun run = RunProgram(kCases[i].arguments);
    EXPECT_EQ(run.ExitCode, kCases[i].status);
    EXPECT_TRUE(run.Errors.contains(QString::fromUtf8(kCases[i].message)));
    EXPECT_TRUE(FileExists(home_.File("Default.bct")));  // written at every exit
  }
  EXPECT_TRUE(FileExists(work_.File("labels.pdf")));
}

TEST_F(ProgramTest, TerminationRequestStillWritesTheWorkingTemplate) {
  QProcess process;
  process.setProcessEnvironment(Environment());
  process.start(QStringLiteral(TAGPRESS_EXECUTABLE), {});
  ASSERT_TRUE(process.waitForStarted(10000));
  // The window is up once the program has run its start-up; give it a moment.
  process.waitForFinished(1500);
  ASSERT_EQ(process.state(), QProcess::Running);
  process.terminate();
  ASSERT_TRUE(process.waitForFinished(10000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(FileExists(home_.File("Default.bct")));
}

}  // namespace
}  // namespace tagpress::testing
