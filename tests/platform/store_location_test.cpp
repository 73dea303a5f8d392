#include "platform/store_location.h"

#include "platform/desktop_identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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

} // namespace
} // namespace vz
