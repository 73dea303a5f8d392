#include "platform/store_location.h"

#include "platform/desktop_identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vz {
namespace {

// Each test gets a scratch tree and a data folder of its own, so nothing reaches the real home.
class StoreLocation : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tree.isValid());
        m_savedDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_savedDataHome); }

    QString path(const QString& relative) const { return m_tree.filePath(relative); }
    QString folder(const QString& relative) const {
        QDir().mkpath(path(relative));
        return path(relative);
    }
    QString dataFolder() const {
        return path("data") + QLatin1Char('/') + QCoreApplication::applicationName();
    }
    static void write(const QString& file, const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    static QByteArray read(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(missing)");
    }
    void layDesktopEntry(const QString& prefix) const {
        QFile entry(folder(prefix + "/share/applications") + QLatin1Char('/') +
                    QLatin1String(DesktopId) + QStringLiteral(".desktop"));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    }

private:
    QTemporaryDir m_tree;
    QByteArray m_savedDataHome;
};

TEST_F(StoreLocation, WritableProgramFolderKeepsTheStoresBesideTheProgram) {
    const QString program = folder("unpacked");
    EXPECT_EQ(storeFolder(program), program);
    // The probe leaves nothing behind.
    EXPECT_TRUE(
        QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(StoreLocation, UnwritableProgramFolderSendsTheStoresToTheDataFolder) {
    // /proc refuses new files even to root; a missing folder cannot take them either.
    QStringList unwritable{QStringLiteral("/proc"), path("gone/bin")};
    if (geteuid() != 0) {
        const QString readOnly = folder("readonly");
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
        unwritable << readOnly;
    }
    for (const QString& program : unwritable) {
        SCOPED_TRACE(program.toStdString());
        EXPECT_FALSE(folderIsWritable(program));
        EXPECT_EQ(storeFolder(program), dataFolder());
    }
    // Created at the first save, not when the place is chosen.
    EXPECT_FALSE(QFileInfo::exists(dataFolder()));
}

TEST_F(StoreLocation, InstalledTreeIsNeverWrittenEvenWhenItCouldBe) {
    layDesktopEntry("prefix");
    const QString program = folder("prefix/bin");
    ASSERT_TRUE(folderIsWritable(program));
    EXPECT_TRUE(isInstalledCopy(program));
    EXPECT_EQ(storeFolder(program), dataFolder());
}

TEST_F(StoreLocation, OnlyABinFolderBesideTheDesktopEntryCountsAsInstalled) {
    layDesktopEntry("prefix");
    // A copy taken out of the tree, or a build folder that happens to sit beside one.
    for (const QString& program :
         {folder("prefix/bin/copy"), folder("prefix/build"), folder("other/bin")}) {
        SCOPED_TRACE(program.toStdString());
        EXPECT_FALSE(isInstalledCopy(program));
        EXPECT_EQ(storeFolder(program), program);
    }
}

TEST_F(StoreLocation, MovingToTheDataFolderTakesTheStoresBesideTheProgramAlong) {
    layDesktopEntry("prefix");
    const QString program = folder("prefix/bin");
    const QByteArray store = "[Entry1]\r\nDesc=Beside the program\r\nDate=46364\r\nTime=x\r\n";
    write(program + "/zadud2.ini", store);
    write(program + "/zadud.ini", "[Entry1]\r\nDesc=Older\r\n");

    EXPECT_EQ(storeFolder(program), dataFolder());
    EXPECT_EQ(read(dataFolder() + "/zadud2.ini"), store);
    EXPECT_EQ(read(dataFolder() + "/zadud.ini"), "[Entry1]\r\nDesc=Older\r\n");
    EXPECT_EQ(read(program + "/zadud2.ini"), store);

    // Once the data folder holds a store it is the one.
    write(dataFolder() + "/zadud2.ini", "changed");
    QFile::remove(dataFolder() + "/zadud.ini");
    EXPECT_EQ(storeFolder(program), dataFolder());
    EXPECT_EQ(read(dataFolder() + "/zadud2.ini"), "changed");
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/zadud.ini"));
}

TEST_F(StoreLocation, WithoutADataFolderTheEventsAreShownFromBesideAReadOnlyProgram) {
    const QString program = folder("readonly");
    write(program + "/zadud2.ini", "[Entry1]\r\nDesc=Kept\r\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    if (folderIsWritable(program))
        GTEST_SKIP() << "permission bits do not apply to this user";
    write(path("file"), "in the way of the data folder");
    qputenv("XDG_DATA_HOME", path("file").toLocal8Bit());
    EXPECT_EQ(storeFolder(program), program);
    EXPECT_EQ(read(program + "/zadud2.ini"), "[Entry1]\r\nDesc=Kept\r\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(StoreLocation, TemporaryFilesOfInterruptedSavesAreRemovedAtStart) {
    const QString program = folder("unpacked");
    const QString leftover = program + "/.zadud2.ini.0123456789abcdef";
    const QString fresh = program + "/.zadud2.ini.fedcba9876543210";
    const QString foreign = program + "/.zadud2.ini.backup";
    for (const QString& file : {leftover, fresh, foreign})
        write(file, "part of a save");
    for (const QString& file : {leftover, foreign})
        std::filesystem::last_write_time(file.toStdString(),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::minutes(10));
    EXPECT_EQ(storeFolder(program), program);
    EXPECT_FALSE(QFileInfo::exists(leftover));
    EXPECT_TRUE(QFileInfo::exists(fresh)); // may be a save another start is making
    EXPECT_TRUE(QFileInfo::exists(foreign));
}

TEST_F(StoreLocation, ASaveThroughALinkLeavesItsTemporaryFileBesideTheTarget) {
    const QString program = folder("unpacked");
    const QString synced = folder("synced");
    std::filesystem::create_symlink((synced + "/events.ini").toStdString(),
                                    (program + "/zadud2.ini").toStdString());
    const QString leftover = synced + "/.events.ini.0123456789abcdef";
    write(leftover, "part of a save");
    std::filesystem::last_write_time(leftover.toStdString(),
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::minutes(10));
    EXPECT_EQ(storeFolder(program), program);
    EXPECT_FALSE(QFileInfo::exists(leftover));
}

} // namespace
} // namespace vz
