#include "platform/desktop_identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <map>
#include <memory>

namespace vz {

namespace {

// A reader of PNG alone: left to find out what a file holds, it would load every image format
// plug-in to ask each.
std::unique_ptr<QImageReader> pngReader(const QString& file) {
    auto reader = std::make_unique<QImageReader>(file, "png");
    reader->setAutoDetectImageFormat(false);
    return reader;
}

// The icon's drawings, one PNG file per size, each read when a size is asked for and not kept:
// the window system takes every size once, as a window is made, and keeping them all decoded
// would hold most of a megabyte for the whole run. Read as PNG by name, so no image format
// plug-in is loaded to find out what the files hold.
class IconFilesEngine final : public QIconEngine {
public:
    explicit IconFilesEngine(std::map<int, QString> files) : m_files(std::move(files)) {}

    QIconEngine* clone() const override { return new IconFilesEngine(m_files); }
    QString key() const override { return QStringLiteral("vz-icon-files"); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& [side, file] : m_files)
            sizes.append(QSize(side, side));
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = drawingFor(size);
        return side == 0 ? QSize() : QSize(side, side).boundedTo(size);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = drawingFor(size);
        if (side == 0)
            return {};
        QPixmap picture = QPixmap::fromImage(pngReader(m_files.at(side))->read());
        if (picture.width() > size.width() || picture.height() > size.height())
            picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && !picture.isNull()) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return picture;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }

private:
    // The smallest drawing at least as large as asked for, else the largest; 0 when none.
    int drawingFor(const QSize& size) const {
        const auto atLeast = m_files.lower_bound(std::max(size.width(), size.height()));
        if (atLeast != m_files.end())
            return atLeast->first;
        return m_files.empty() ? 0 : m_files.rbegin()->first;
    }

    std::map<int, QString> m_files; // by the side of the square drawing
};

} // namespace

QIcon programIcon() {
    // The build lays one PNG per size into the resources, each drawn for that size; the icon
    // picks the nearest one instead of scaling the large drawing down. The names are matched by
    // hand: a wildcard filter would load a regular expression engine for the one look.
    std::map<int, QString> files;
    QDirIterator sizes(QStringLiteral(":/vorurer/icons"), QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        const QString file = sizes.next();
        if (!file.endsWith(QLatin1String(".png")))
            continue;
        const QSize size = pngReader(file)->size();
        if (size.isValid() && size.width() == size.height())
            files.emplace(size.width(), file);
    }
    return QIcon(new IconFilesEngine(std::move(files)));
}

void applyDesktopName() {
    QGuiApplication::setDesktopFileName(QLatin1String(DesktopId));
}

void applyProgramIcon() {
    QApplication::setWindowIcon(programIcon());
}

void applyDesktopIdentity() {
    applyDesktopName();
    applyProgramIcon();
}

} // namespace vz
