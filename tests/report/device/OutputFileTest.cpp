// The files the program writes for the user: owner-only when new whatever the umask, the
// mode of a replaced file kept, FIFOs and devices written in place and never replaced,
// another user's link in a shared folder refused, nothing left behind by a write that
// failed, the system's reason in every failure, and two names of one file told apart from
// two files.

#include "report/device/OutputFile.h"
#include "tests/report/support/SpecialFiles.h"

#include "DeviceTestSupport.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

class OutputFileTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }

  // Writes bytes to name through an OutputFile and commits.
  static void WriteThrough(const QString& name, const QByteArray& bytes) {
    OutputFile file(name);
    file.Open();
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.Commit();
  }

  // The reason of the OutputFileError that action throws; empty when it throws none.
  template <typename Action>
  static QString Refusal(Action action) {
    try {
      action();
    } catch (const OutputFileError& error) {
      return error.reason;
    }
    return {};
  }

  QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot); }

  QTemporaryDir dir_;
};

class Umask {
 public:
  explicit Umask(mode_t mask) : old_(::umask(mask)) {}
  ~Umask() { ::umask(old_); }

 private:
  mode_t old_;
};

}  // namespace

TEST_F(OutputFileTest, ANewFileIsOwnerOnlyWhateverTheUmaskAndAReplacedFileKeepsItsMode) {
  {
    const Umask open(0);
    WriteThrough(Path("new.csv"), "personal data");
  }
  EXPECT_EQ(ModeOf(Path("new.csv")) & 07777, 0600u);
  EXPECT_EQ(FileBytes(Path("new.csv")), "personal data");

  WriteFileBytes(Path("shared.csv"), "old");
  ASSERT_EQ(::chmod(QFile::encodeName(Path("shared.csv")).constData(), 0640), 0);
  WriteThrough(Path("shared.csv"), "new");
  EXPECT_EQ(ModeOf(Path("shared.csv")) & 07777, 0640u);
  EXPECT_EQ(FileBytes(Path("shared.csv")), "new");
  EXPECT_EQ(Entries(), QStringList({"new.csv", "shared.csv"}));

  // A file the user may not write is not replaced by way of its folder.
  if (::geteuid() == 0) return;  // root may write any file
  ASSERT_EQ(::chmod(QFile::encodeName(Path("shared.csv")).constData(), 0440), 0);
  EXPECT_EQ(Refusal([&] { WriteThrough(Path("shared.csv"), "newer"); }), "Permission denied");
  EXPECT_EQ(FileBytes(Path("shared.csv")), "new");
}

TEST_F(OutputFileTest, AWriteNotCommittedOrFailedLeavesTheTargetAsItWasAndNothingBehind) {
  WriteFileBytes(Path("kept.csv"), "kept");
  {
    OutputFile file(Path("kept.csv"));
    file.Open();
    file.write("half of it");
  }
  EXPECT_EQ(FileBytes(Path("kept.csv")), "kept");

  // The disk allows 4 KiB: the write stops short, which the write or at the latest Commit
  // reports.
  {
    const FileSizeLimit limit(4096);
    OutputFile file(Path("kept.csv"));
    file.Open();
    for (int block = 0; block < 20; ++block) file.write(QByteArray(10000, 'x'));
    EXPECT_EQ(Refusal([&] { file.Commit(); }), "File too large");
  }
  EXPECT_EQ(FileBytes(Path("kept.csv")), "kept");
  EXPECT_EQ(Entries(), QStringList{"kept.csv"});
}

TEST_F(OutputFileTest, AFifoIsWrittenInPlaceAndStaysAFifo) {
  const QString fifo = MakeFifo(dir_, "pipe");
  ASSERT_FALSE(fifo.isEmpty());
  FifoReader reader(fifo);
  ASSERT_TRUE(reader.IsOpen());
  OutputFile::Probe(fifo);  // does not wait for a reader: nothing is opened
  WriteThrough(fifo, "through the pipe");
  EXPECT_EQ(reader.Received(), "through the pipe");
  EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
  EXPECT_EQ(Entries(), QStringList{"pipe"});
}

TEST_F(OutputFileTest, ADeviceIsWrittenInPlaceAndAFullOneSaysSo) {
  const QString full = FullDevice(dir_);
  if (full.isEmpty()) GTEST_SKIP() << "no full device can be opened here";
  try {
    WriteThrough(full, "results");
    ADD_FAILURE() << "a write to a full device succeeded";
  } catch (const OutputFileError& error) {
    EXPECT_EQ(error.reason, "No space left on device");
    EXPECT_EQ(QString::fromStdString(error.what()),
              QStringLiteral("The file %1 cannot be written: No space left on device").arg(full));
  }
  EXPECT_TRUE(S_ISCHR(ModeOf(full)));
  EXPECT_TRUE(Entries() == QStringList{"full"} || Entries().isEmpty()) << Entries().join(u' ').toStdString();
}

TEST_F(OutputFileTest, FoldersAndMissingFoldersAreRefusedWithTheSystemsReason) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
  EXPECT_EQ(Refusal([&] { OutputFile(Path("folder")).Open(); }), "Is a directory");
  EXPECT_EQ(Refusal([&] { OutputFile(Path("folder/")).Open(); }), "Is a directory");
  EXPECT_EQ(Refusal([&] { OutputFile(Path("none/new.pdf")).Open(); }), "No such file or directory");
  EXPECT_EQ(Refusal([&] { OutputFile::Probe(Path("none/new.pdf")); }), "No such file or directory");
  // A probe leaves nothing where it found nothing.
  OutputFile::Probe(Path("new.pdf"));
  EXPECT_EQ(Entries(), QStringList{"folder"});
}

TEST_F(OutputFileTest, LinksAreFollowedExceptAnotherUsersLinkInAFolderOpenToAll) {
  WriteFileBytes(Path("target.csv"), "kept");
  ASSERT_TRUE(QFile::link(Path("target.csv"), Path("mine")));
  WriteThrough(Path("mine"), "through my link");
  EXPECT_EQ(FileBytes(Path("target.csv")), "through my link");
  EXPECT_TRUE(S_ISLNK(ModeOf(Path("mine"))));

  if (::geteuid() != 0) GTEST_SKIP() << "links of another user need root";
  const QString shared = Path("shared");
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("shared")));
  ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
  ASSERT_TRUE(MakeLinkOwnedBy(shared + "/other", Path("target.csv"), 65534));
  const QString refusal = "it is another user's symbolic link in a folder open to all users, which is not followed";
  EXPECT_EQ(Refusal([&] { WriteThrough(shared + "/other", "planted"); }), refusal);
  EXPECT_EQ(Refusal([&] { OutputFile::Probe(shared + "/other"); }), refusal);
  EXPECT_EQ(FileBytes(Path("target.csv")), "through my link");
  // The folder's owner's link and the user's own are followed; so is any link elsewhere.
  ASSERT_TRUE(MakeLinkOwnedBy(shared + "/root", Path("target.csv"), 0));
  WriteThrough(shared + "/root", "by the folder's owner");
  EXPECT_EQ(FileBytes(Path("target.csv")), "by the folder's owner");
  ASSERT_TRUE(MakeLinkOwnedBy(Path("elsewhere"), Path("target.csv"), 65534));
  WriteThrough(Path("elsewhere"), "not in a shared folder");
  EXPECT_EQ(FileBytes(Path("target.csv")), "not in a shared folder");
}

TEST_F(OutputFileTest, TwoNamesOfOneFileAreTheSameFile) {
  WriteFileBytes(Path("a.csv"), "a");
  WriteFileBytes(Path("b.csv"), "b");
  ASSERT_TRUE(QFile::link(Path("a.csv"), Path("link-to-a")));
  ASSERT_EQ(::link(QFile::encodeName(Path("a.csv")).constData(), QFile::encodeName(Path("hard-a")).constData()), 0);
  ASSERT_TRUE(QFile::link(Path("new.pdf"), Path("dangling")));
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sub")));
  const FileIdentity a = FileIdentity::Of(Path("a.csv"));
  EXPECT_EQ(FileIdentity::Of(Path("link-to-a")), a);
  EXPECT_EQ(FileIdentity::Of(Path("hard-a")), a);
  EXPECT_EQ(FileIdentity::Of(Path("sub/../a.csv")), a);
  EXPECT_NE(FileIdentity::Of(Path("b.csv")), a);
  // Files still to be made: by their folder and name.
  EXPECT_EQ(FileIdentity::Of(Path("sub/../new.pdf")), FileIdentity::Of(Path("new.pdf")));
  EXPECT_EQ(FileIdentity::Of(Path("dangling")), FileIdentity::Of(Path("new.pdf")));
  EXPECT_NE(FileIdentity::Of(Path("sub/new.pdf")), FileIdentity::Of(Path("new.pdf")));
  // "-" is standard output only where it is meant so.
  EXPECT_EQ(FileIdentity::Of(QStringLiteral("-"), DashMeans::StandardOutput),
            FileIdentity::Of(QStringLiteral("/proc/self/fd/1")));
  EXPECT_NE(FileIdentity::Of(QStringLiteral("-")), FileIdentity::Of(QStringLiteral("/proc/self/fd/1")));
}

TEST_F(OutputFileTest, PageFilesAndPrintsToFileAreWrittenThroughIt) {
  {
    const Umask open(0);
    StoreDocument(1)->SaveToFile(Path("pages.tsr"));
    TTsPrinter printer;
    printer.Destination = TsDestination::Printer;
    printer.Printer().setOutputFileName(Path("printed.pdf"));
    printer.BeginDoc();
    printer.NewPage();
    printer.EndDoc();
  }
  EXPECT_EQ(ModeOf(Path("pages.tsr")) & 07777, 0600u);
  EXPECT_EQ(ModeOf(Path("printed.pdf")) & 07777, 0600u);
  EXPECT_TRUE(FileBytes(Path("printed.pdf")).startsWith("%PDF"));
}
