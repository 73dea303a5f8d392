// Keeps a widget grab for a person to look at: saved as <name>.png in the folder VZ_SHOT_DIR
// names, and not at all when it is unset.
#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

namespace vz::test {

inline void keepShot(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("VZ_SHOT_DIR");
    if (!dir.isEmpty())
        image.save(dir + "/" + name + ".png");
}

} // namespace vz::test
