#pragma once
// A CUPS scheduler of the tests' own: configuration, spool, cache, state and logs in a
// temporary folder, listening only on a socket there, with two queues "First" (the
// default) and "Second". Each queue is a PDF printer without margins whose device is a
// file: every job's output, copies made by CUPS's PDF filter, replaces that file. The
// process and libcups find it through CUPS_SERVER. The scheduler is stopped by its
// process id when the object goes, and dies with the test process in any case.

#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class PrivateCups {
 public:
  static inline const QString kFirst = QStringLiteral("First");
  static inline const QString kSecond = QStringLiteral("Second");

  PrivateCups();
  ~PrivateCups();
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;

  // Empty when the scheduler runs; otherwise why it could not be started.
  QString Problem() const { return problem_; }

  // Where the queue writes its latest job's output.
  QString OutputFile(const QString& queue) const;
  void RemoveOutput();

  struct Job {
    int id = 0;
    QString queue;
    QString title;
    bool completed = false;
  };
  // Every job the scheduler has seen, oldest first.
  QList<Job> Jobs() const;
  // Waits until no job is waiting or printing (at most 60 seconds); false if one still is.
  bool WaitUntilIdle() const;

 private:
  QString Start();

  QTemporaryDir dir_;
  QProcess cupsd_;
  QString problem_;
};
